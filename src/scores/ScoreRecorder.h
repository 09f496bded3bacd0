#pragma once
#include <QString>
#include <cstdint>

namespace cardova {

// Where finished games go: the score store fills this in. It lives with
// the store so that the store needs nothing from the session layer, which
// hands it the games.
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

} // namespace cardova
