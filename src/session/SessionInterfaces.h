#pragma once
#include "scores/ScoreRecorder.h"

namespace cardova {

class GameContext;

// Opened when the last card reaches the foundations, from inside the winning
// move. It records the win (EndGame with 1). Whatever it asks to happen next
// (a new game, a restart) must go through NewGame, which waits until the
// winning move has returned completely.
class WinHandler {
public:
    virtual ~WinHandler() = default;
    virtual void gameWon(GameContext &ctx) = 0;
    // The computer finished the game (it is recorded as not won already):
    // what a win offers next may be offered here too.
    virtual void gameSolved(GameContext &) {}
};

} // namespace cardova
