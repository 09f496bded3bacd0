#pragma once
#include "engine/Card.h"
#include "rules/cGames.h"

#include <cstdint>

namespace cardova {

// Whether a card dropped where it stands now lies over a slot. Centre mode:
// the card's centre lies strictly inside the slot's rectangle. Otherwise:
// the rectangles overlap with positive area.
bool HitTest(const cGames &games, const cCard &card, int16_t cell, int16_t pile, int16_t pos, bool centreMode);

} // namespace cardova
