#include "rules/TableFit.h"

#include "rules/TableLayout.h"

#include <algorithm>
#include <limits>

namespace cardova {

namespace {
void include(TableBox &box, int x, int y)
{
    box.left = std::min(box.left, x);
    box.top = std::min(box.top, y);
    box.right = std::max(box.right, x + kCardWidth);
    box.bottom = std::max(box.bottom, y + kCardHeight);
}

// The stock and waste draw their deeper cards up and to the left.
void includeStack(TableBox &box, const cGames &games, int cell)
{
    const int deepest = std::max(games.TotalCards() - 1, 0);
    // A fanned waste reaches right by its fan.
    const int fan = cell == kWaste ? (TableLayout::wasteFanCards(games) - 1) * kWasteFan : 0;
    for (int pile = 0; pile < games.Piles(cell); ++pile) {
        include(box, games.GetCordX(cell, pile, 0) + fan, games.PileBaseY(cell, pile));
        include(box, games.GetCordX(cell, pile, 0), games.PileBaseY(cell, pile));
        include(box, games.GetCordX(cell, pile, deepest), games.GetCordY(cell, pile, deepest));
    }
}

void includePiles(TableBox &box, const cGames &games, int cell)
{
    for (int pile = 0; pile < games.Piles(cell); ++pile)
        include(box, games.GetCordX(cell, pile, 0), games.PileBaseY(cell, pile));
}

// Lowest edge of a pile of `cards` standing at `top`.
int pileBottom(int top, const PileCards &cards, int openFan)
{
    return top + cards.closed * kClosedFan + std::max(cards.open - 1, 0) * openFan + kCardHeight;
}

int typicalBottom(const cGames &games, int openFan)
{
    const PileCards typical = typicalTableauPile(games);
    int bottom = 0;
    for (int pile = 0; pile < games.Piles(kTableau); ++pile)
        bottom = std::max(bottom, pileBottom(games.PileBaseY(kTableau, pile), typical, openFan));
    return bottom;
}

// Lowest edge of the tableau piles as they lie, fanned `openFan` apart.
int lyingBottom(const cGames &games, const ClosedCardCount &table, int openFan)
{
    int bottom = 0;
    for (int16_t pile = 0; pile < games.Piles(kTableau); ++pile) {
        const int closed = table.ClosedCards(pile);
        const PileCards lying{closed, table.PileCards(pile) - closed};
        if (lying.closed + lying.open > 0)
            bottom = std::max(bottom, pileBottom(games.PileBaseY(kTableau, pile), lying, openFan));
    }
    return bottom;
}

// The largest zoom at which `box` fits, within the zoom range.
double zoomFor(const TableBox &box, double width, double height)
{
    if (box.width() <= 0 || box.height() <= 0 || width <= 0 || height <= 0)
        return 1.0;
    return std::clamp(std::min(width / box.width(), height / box.height()), kMinZoom, kMaxZoom);
}

int closestFan(const cGames &games) { return std::min<int>(games.area(kTableau).PosWidth, kMinOpenFan); }

// The box the zoom is chosen for: the typical pile squeezed.
TableBox fittedBox(const cGames &games) { return tableBox(games, closestFan(games)); }

// The largest zoom at which a pile reaching down to `bottom` still ends
// above the window's bottom margin, with `box` centred in a window
// `height` high: the box's centre stays at the window's.
double zoomForLowest(const TableBox &box, int bottom, double height)
{
    const double reach = 2.0 * (bottom + kTableMargin) - box.top - box.bottom;
    return reach > 0 ? height / reach : kMaxZoom;
}
} // namespace

PileCards typicalTableauPile(const cGames &games)
{
    const int piles = games.Piles(kTableau);
    const int total = games.TotalCards();
    if (piles <= 0 || total <= 0)
        return {};
    // The last pile is dealt one card per pile; all but its top card lie
    // face down when the game deals closed.
    const int under = std::min(piles - 1, total - 1);
    PileCards typical;
    typical.closed = games.CardsOpen() > 0 ? under : 0;
    typical.open = std::min(kTypicalOpenCards, total - typical.closed);
    return typical;
}

TableBox tableBox(const cGames &games, int openFan)
{
    constexpr int kFar = std::numeric_limits<int>::max();
    TableBox box{kFar, kFar, -kFar, -kFar};
    includePiles(box, games, kTableau);
    includePiles(box, games, kFoundation);
    includePiles(box, games, kReserve);
    includePiles(box, games, kFreeCell);
    includeStack(box, games, kStock);
    includeStack(box, games, kWaste);
    if (box.left == kFar)
        return {};
    box.bottom = std::max(box.bottom, typicalBottom(games, openFan));
    return {box.left - kTableMargin, box.top - kTableMargin, box.right + kTableMargin,
            box.bottom + kTableMargin};
}

TableFit fitTable(const cGames &games, double width, double height, const ClosedCardCount *table)
{
    const TableBox box = fittedBox(games);
    double zoom = zoomFor(box, width, height);
    if (table) {
        const int lowest = lyingBottom(games, *table, closestFan(games));
        if (lowest + kTableMargin > box.bottom)
            zoom = std::clamp(zoomForLowest(box, lowest, height), kMinZoom, zoom);
    }
    return centreTable(games, zoom, width, height);
}

TableFit centreTable(const cGames &games, double zoom, double width, double height)
{
    const TableBox box = fittedBox(games);
    TableFit fit;
    fit.zoom = zoom > 0 ? zoom : 1.0;
    fit.originX = (width / fit.zoom - box.width()) / 2.0 - box.left;
    fit.originY = (height / fit.zoom - box.height()) / 2.0 - box.top;
    // The piles may grow down to the window's edge, less the margin.
    fit.tableauBottom = std::max(int(height / fit.zoom - fit.originY) - kTableMargin, 1);
    return fit;
}

} // namespace cardova
