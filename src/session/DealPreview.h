#pragma once
#include "engine/Position.h"
#include "engine/Rules.h"
#include "rules/cGames.h"

namespace cardova {

// A deal worked out on a table of its own: the position a game's deal lays
// out for a number, after the automatic play that follows the deal when
// `autoplay` is set, and the rules it is played by. The game on the table is
// not touched, so this may run on any thread that owns `games`.
struct DealtGame {
    Position position{};
    Rules rules{};
};
DealtGame dealtGame(cGames games, double number, bool autoplay);

} // namespace cardova
