#pragma once
// Where each area of a game's table stands, worked out from its record: the
// loader hands these to cGames. Table units, before cGames adds the table's
// own offsets (BaseX, BaseY).
#include "rules/GameRecord.h"

#include <cstdint>

namespace cardova {

// One pile to the next along a row.
constexpr int16_t kPileStep = 1165;
// Top of the tableau below one row of cards.
constexpr int16_t kRowStep = 1640;

struct AreaPlace {
    int16_t x = 0;
    int16_t y = 0;
};

struct RecordPlaces {
    AreaPlace stock;
    AreaPlace waste;
    AreaPlace foundations; // the first of the four
    AreaPlace cells;       // the first cell
    AreaPlace reserve;
    AreaPlace tableau;     // the first pile
};

// A game with a stock and no cells or reserve keeps the standard table:
// stock and waste at the left of the top row, the foundations at its right,
// the tableau centred below. Foundations with nothing left of them stand in
// the middle of their row. Cells join the top row between the waste and the
// foundations while the row stays within the wider of the tableau and the
// standard row, else they get a row of their own above it. The reserve
// stands at the left below the stock, with the tableau to its right. The
// whole table is centred on the standard table's middle.
RecordPlaces recordPlaces(const GameRecord &r);

} // namespace cardova
