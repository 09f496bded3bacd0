#pragma once
#include <QString>
#include <cstdint>

namespace cardova {

class GameContext;

// Where finished games go: the score store fills this in.
class ScoreRecorder {
public:
    virtual ~ScoreRecorder() = default;
    // Appends the current game to the current player's score file. False
    // when the line could not be written.
    virtual bool AddScore(int16_t mWon) = 0;
    virtual void AddSesGame(int16_t mWon) = 0;
    // Why the last AddScore failed; empty after a success.
    virtual QString lastError() const { return {}; }
};

// Opened when the last card reaches the foundations, from inside the winning
// move. It records the win (EndGame with 1). Whatever it asks to happen next
// (a new game, a restart) must go through NewGame, which waits until the
// winning move has returned completely.
class WinHandler {
public:
    virtual ~WinHandler() = default;
    virtual void gameWon(GameContext &ctx) = 0;
};

} // namespace cardova
