#pragma once
// Putting the game on the table away when the program closes, and taking it
// up again at the next start, exactly where it was left.
#include "session/SavedGameFormat.h"

#include <QString>
#include <functional>

namespace cardova {

class GameContext;
class cData;

// Where the game is kept: one file in the data folder.
QString savedGamePath(const cData &data);
bool savedGameExists(const cData &data);

// The running game as it stands: name, number, the whole log, the clock,
// the score and automatic play.
SavedGame captureGame(const GameContext &ctx);
// Brings `game` up to the running game, copying only the records that
// differ. Returns how many leading records `game` held already.
size_t refreshCapture(const GameContext &ctx, SavedGame &game);
// Writes the running game whole (through a save file, so a write cut short
// leaves the previous one). Returns an empty text, or what went wrong.
QString writeSavedGame(const GameContext &ctx);
// Writes `text` as the whole kept file, the same way.
QString writeSavedGameText(const cData &data, const QByteArray &text);
// Adds `chunk` to the end of the kept file, which must be `expectedSize`
// bytes long (else it is not the file this run wrote and is left alone).
// Written to the system without waiting for the disk.
QString appendToSavedGame(const cData &data, const QByteArray &chunk, qint64 expectedSize);
// Removes the kept game (after it was continued, recorded, or given up).
void discardSavedGame(const cData &data);

// Removes a file; false when it is still there. Tests stand in for the
// platform, which lets nothing stop a test run as the superuser.
using RemoveFile = std::function<bool(const QString &path)>;
bool removeFile(const QString &path);

// Lays a saved game on the table: deals the same game and number, makes the
// logged moves again through the log and sets the counters and the clock.
// Nothing is recorded. On failure the table is left empty and the reason
// is given.
bool restoreGame(GameContext &ctx, const SavedGame &game, QString *why);

struct ContinueResult {
    enum class Kind {
        NoFile,    // nothing kept (or a game already lies on the table)
        Continued, // the game is on the table and its file removed
        SetAside,  // the file could not be continued; `message` tells why
        Blocked,   // the file cannot be removed, so its game was not continued
    };
    Kind kind = Kind::NoFile;
    QString message;
    // The unreadable file could not be moved aside: it stands where a kept
    // game would be written, so nothing must be written over it this run.
    bool fileBlocked = false;
};
// Continues the kept game, if there is one, for the player it was kept
// for: the current player becomes that player, which `message` tells. A file
// that cannot be read, no longer fits its game, was kept under rules since
// changed or for a player since removed is renamed aside, never over an
// older one. The file is removed once its game lies on the table; a file
// that cannot be removed is not continued, so a game is counted once.
ContinueResult continueSavedGame(GameContext &ctx, const RemoveFile &remove = removeFile);

} // namespace cardova
