#pragma once
#include <QString>
#include <cstdint>

namespace cardova {

class GameContext;

// Keeps the game on the table saved while the player wants it continued at
// the next start, so that a program cut off loses at most the move being
// made; and removes the kept game once that game has been recorded, so it
// is never counted twice. Call settle() whenever the table has come to rest.
class SaveKeeper {
public:
    explicit SaveKeeper(GameContext &ctx) : ctx_(ctx) {}

    void settle();
    // Nothing more is written or removed (the window has closed, or an
    // unreadable file stands where the game would be written).
    void stop() { stopped_ = true; }
    // Gives the game up: a kept file of this run is removed and nothing more
    // is written (the player left without keeping the game).
    void discard();
    // Writes the game now, whatever changed; empty text or the problem.
    QString saveNow();

    int writes() const { return writes_; }

private:
    GameContext &ctx_;
    bool stopped_ = false;
    bool owned_ = false;    // the kept file holds a game of this run
    bool reported_ = false; // a failed write was told once
    int writes_ = 0;
    // What the last write held; a rest that changed none of it (a click
    // that moved nothing) writes nothing.
    QString lastGame_;
    int lastPos_ = -1;
    int lastTop_ = -1;
    int lastAutoplay_ = -1;
};

} // namespace cardova
