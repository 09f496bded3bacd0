#pragma once
#include "engine/Card.h"
#include "rules/TableLayout.h"

#include <cstdint>

namespace cardova {

// Whether a card with its top-left corner at (left, top) lies over a slot
// where the layout shows it.
// Centre mode: the card's centre lies strictly inside the slot's rectangle.
// Otherwise: the rectangles overlap with positive area.
bool HitTest(const TableLayout &layout, int64_t left, int64_t top, int16_t cell, int16_t pile, int16_t pos,
             bool centreMode);
// The same for a card where it stands now.
bool HitTest(const TableLayout &layout, const cCard &card, int16_t cell, int16_t pile, int16_t pos, bool centreMode);

} // namespace cardova
