#include "rules/RecordPlaces.h"

#include "common/Numeric.h"
#include "rules/cGames.h"

#include <algorithm>

namespace cardova {

namespace {
// The standard table.
constexpr int16_t kStockX = 1165;
constexpr int16_t kWasteX = 2430;
constexpr int16_t kFoundationX = 5975;
constexpr int kStandardPiles = 10;
constexpr int kFoundations = 4;
// Between the cards of a row and the foundations that follow them.
constexpr int kGap = 300;

// From the left edge of the first of `n` cards in a row to the right edge
// of the last.
int rowWidth(int n) { return n > 0 ? n * kPileStep - (kPileStep - kCardWidth) : 0; }

// The middle of the standard table: ten piles wide.
constexpr int kMiddle = (kStandardPiles * kPileStep - (kPileStep - kCardWidth)) / 2;

// Left edge of a row of `n` piles centred on the middle: ten start at the
// left edge, each pile fewer half a step further in.
int16_t centredRow(int n) { return round16((kStandardPiles - n) * kPileStep / 2.0); }

RecordPlaces standardPlaces(const GameRecord &r)
{
    RecordPlaces places;
    places.stock = {kStockX, 0};
    places.waste = {kWasteX, 0};
    places.foundations = {kFoundationX, 0};
    places.tableau = {centredRow(r.hPiles), kRowStep};
    return places;
}

// The stock, its waste and the waste's fanned cards, from the stock's left edge.
int stockWidth(const GameRecord &r)
{
    if (!r.stock)
        return 0;
    return (kWasteX - kStockX) + kCardWidth + (std::max<int>(r.draw, 1) - 1) * kWasteFan;
}

// What stands left of the foundations in the top row.
int leftOfFoundations(const GameRecord &r, bool withCells)
{
    const int stock = stockWidth(r);
    if (!withCells || r.cells <= 0)
        return stock;
    return stock + (stock > 0 ? kWasteX - kStockX - kCardWidth : 0) + rowWidth(r.cells);
}

int topRowWidth(const GameRecord &r, bool withCells)
{
    const int left = leftOfFoundations(r, withCells);
    return left + (left > 0 ? kGap : 0) + rowWidth(kFoundations);
}
} // namespace

RecordPlaces recordPlaces(const GameRecord &r)
{
    RecordPlaces places = standardPlaces(r);
    if (r.stock && r.cells <= 0 && r.reserveCards <= 0)
        return places;

    const int reserveColumns = r.reserveCards > 0 ? 1 : 0;
    const int body = rowWidth(r.hPiles + reserveColumns);
    const bool cellsInTopRow = topRowWidth(r, true) <= std::max(body, rowWidth(kStandardPiles));
    const int top = topRowWidth(r, cellsInTopRow);
    const int width = std::max({body, top, cellsInTopRow ? 0 : rowWidth(r.cells)});
    const int left = kMiddle - width / 2;
    const int right = left + width;
    const int16_t topY = cellsInTopRow ? int16_t(0) : kRowStep;
    const int16_t bodyY = int16_t(topY + kRowStep);

    places.stock = {int16_t(left), topY};
    places.waste = {int16_t(left + kWasteX - kStockX), topY};
    if (cellsInTopRow) {
        const int stock = stockWidth(r);
        places.cells = {int16_t(left + stock + (stock > 0 ? kWasteX - kStockX - kCardWidth : 0)), topY};
    } else {
        places.cells = {centredRow(r.cells), 0};
    }
    // With nothing to their left the foundations stand in the middle.
    const bool alone = leftOfFoundations(r, cellsInTopRow) == 0;
    places.foundations = {alone ? centredRow(kFoundations) : int16_t(right - rowWidth(kFoundations)), topY};
    places.reserve = {int16_t(left), bodyY};
    // The tableau stands right of the reserve, under the foundations where
    // the top row is the wider; with no reserve it is centred.
    if (reserveColumns == 0)
        places.tableau = {centredRow(r.hPiles), bodyY};
    else
        places.tableau = {int16_t(top > body ? right - rowWidth(r.hPiles) : left + kPileStep), bodyY};
    return places;
}

} // namespace cardova
