#pragma once
// Why the rules refuse a player's move, where the player can do something
// about it; every other refusal simply puts the cards back.
#include "engine/Moves.h"

#include <QString>

namespace cardova {

class GameContext;

// "Only 4 cards can move now" for a run longer than the free cells and
// spaces let move onto the target; empty for every other move.
QString refusalReason(const Position &p, const Rules &rules, const Move &m);

// Tells the player (the context's moveRefused) why the move, refused on the
// table as it lies now, was refused. False when there is no reason to give.
bool explainRefusal(GameContext &ctx, const Move &m);

} // namespace cardova
