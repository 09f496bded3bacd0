#pragma once
// The text of a game put away when the program closed. One item a line:
//
//   CardovaSavedGame 3
//   game Klondike
//   number 4711
//   player Player1
//   rules 0 0 0 4 13 7 1 1         the game's record, as it was dealt
//   move 12 0 3 4 3 1 0 0 3 0      one per logged move: the TransRecord fields
//   ...
//   state 95 -40 1 0 12 14 9f3a 5c1e
//
// The moves and the "state" line after them form a chunk. The state line
// holds the seconds played, the score, the Autoplay setting and whether this
// run kept it off, the moves made (TransPos) and logged (TransTop), the
// Position::hash of the table as it was left and a check of the chunk's
// text. After a move the game grows by one more chunk appended to the file:
// the records added since, then the new state, so the last whole chunk is
// the game. A chunk cut short or garbled at the end of the file (the program
// stopped mid-append, a power cut) is left out, which loses that move only;
// a bad chunk with a state line after it means the file is damaged.
//
// The player is whose game it is. The record is the game's rules: a
// designed game changed since has other rules under the same name, and the
// table's hash only catches a change of the layout the log no longer fits
// (another deal, other piles). Files of versions 1 and 2 have neither and
// are still read; a file of another version is refused rather than guessed
// at.
#include "rules/GameRecord.h"
#include "session/cTrans.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace cardova {

struct SavedGame {
    QString gameName;
    QString gameNumber; // as GameNumber::toText gives it
    // Whose game it is and the rules it is played under; absent in files
    // written before they were kept.
    std::optional<QString> player;
    std::optional<GameRecord> record;
    int32_t elapsed = 0;
    int16_t score = 0;
    int16_t autoplay = 1;
    bool autoplaySuppressed = false;
    int16_t transPos = 0;
    uint64_t tableHash = 0;
    std::vector<TransRecord> records; // the log's records 1..TransTop, in order
};

constexpr int kSavedGameVersion = 3;

// The whole file's text. Empty when the game cannot be written down (a name
// with a line break in it, no player or no record).
QByteArray savedGameText(const SavedGame &game);
// The chunk that brings a file holding the first `from` records of `game`
// (and any state) up to `game`: records from..end, then the state.
QByteArray savedGameChunk(const SavedGame &game, size_t from);
// The game a text holds, or nullopt with the reason in `why` (a short
// phrase: "it was cut short", "it was written by another version", ...).
std::optional<SavedGame> parseSavedGame(const QByteArray &text, QString *why);

} // namespace cardova
