#pragma once
#include "engine/Card.h"

#include <cstdint>

namespace cardova {

class GameContext;

// True if Upper may lie on Lower under an order code and wrap flag.
bool FitsOrder(const cCard &lower, const cCard &upper, int32_t order, bool wrap);

// True if the card and the count cards above it in its tableau pile form a
// sequence under the run order.
bool RunInOrder(const GameContext &ctx, int16_t picId, int16_t count);

// Placement rules. fromDrop: a player's drop, which also refuses a full
// foundation (automatic play does not check that).
bool TableauAccepts(const GameContext &ctx, int16_t pile, int16_t picId);
bool FoundationAccepts(const GameContext &ctx, int16_t pile, int16_t picId, bool fromDrop);

} // namespace cardova
