#pragma once
#include <cstdint>

namespace cardova {

class GameContext;

// One automatic-play pass: the top of every tableau pile, then the waste, is
// offered to the foundations. Moves cascade through MoveCard.
void RunAutoPlay(GameContext &ctx);
// Puts one card on the first foundation that takes it; true if it moved.
bool AutoToGoal(GameContext &ctx, int16_t picId);

} // namespace cardova
