#pragma once
#include "session/SavedGameFormat.h"

#include <QString>
#include <cstdint>

namespace cardova {

class GameContext;

// Keeps the game on the table saved while the player wants it continued at
// the next start, so that a program cut off loses at most the move being
// made; and removes the kept game once that game has been recorded, so it
// is never counted twice. Call settle() whenever the table has come to rest.
//
// After a move only the new records and the new state are appended to the
// file; it is written whole again when the log was cut back (undo, then
// another move), for another game, after a failed append, and once the
// states superseded by later ones have grown past a limit.
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
    // Writes the game now whole, whatever changed; empty text or the problem.
    QString saveNow();

    int writes() const { return writes_; }
    int appends() const { return appends_; }

private:
    // Brings the file up to the table, by an append where one will do.
    QString keep();
    QString rewrite();
    QString gameKey() const;

    GameContext &ctx_;
    bool stopped_ = false;
    bool owned_ = false;    // the kept file holds a game of this run
    bool reported_ = false; // a failed write was told once
    int writes_ = 0;
    int appends_ = 0;
    // What the file holds: its game (the state of its last chunk), its
    // length, and the bytes of states that later chunks superseded.
    SavedGame kept_;
    QString keptGame_;
    qint64 fileSize_ = 0;
    qint64 lastStateBytes_ = 0;
    qint64 supersededBytes_ = 0;
    int keptAutoplay_ = -1;
};

} // namespace cardova
