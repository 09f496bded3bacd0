#pragma once
#include "engine/Card.h"
#include "rules/cGames.h"

#include <cstdint>

namespace cardova {

// Whether a card with its top-left corner at (left, top) lies over a slot.
// Centre mode: the card's centre lies strictly inside the slot's rectangle.
// Otherwise: the rectangles overlap with positive area.
bool HitTest(const cGames &games, int64_t left, int64_t top, int16_t cell, int16_t pile, int16_t pos,
             bool centreMode);
// The same for a card where it stands now.
bool HitTest(const cGames &games, const cCard &card, int16_t cell, int16_t pile, int16_t pos, bool centreMode);

} // namespace cardova
