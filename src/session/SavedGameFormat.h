#pragma once
// The text of a game put away when the program closed. One item a line:
//
//   CardovaSavedGame 1
//   game Klondike
//   number 4711
//   elapsed 95             seconds played
//   score -40
//   autoplay 1 0           the setting, and whether this run kept it off
//   log 12 14              moves made (TransPos), moves logged (TransTop)
//   table 9f3a...          Position::hash of the table as it was left
//   move 12 0 3 4 3 1 0 0 3 0   one per logged move: the TransRecord fields
//   ...
//   end
//
// The closing "end" line tells a whole file from one cut short, and the
// table's hash a log that no longer leads where it did (another deal, a
// custom game changed since). A file of another version is refused rather
// than guessed at.
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
    int32_t elapsed = 0;
    int16_t score = 0;
    int16_t autoplay = 1;
    bool autoplaySuppressed = false;
    int16_t transPos = 0;
    uint64_t tableHash = 0;
    std::vector<TransRecord> records; // the log's records 1..TransTop, in order
};

constexpr int kSavedGameVersion = 1;

// The file's text. Empty when the game cannot be written down (a name with
// a line break in it).
QByteArray savedGameText(const SavedGame &game);
// The game a text holds, or nullopt with the reason in `why` (a short
// phrase: "it was cut short", "it was written by another version", ...).
std::optional<SavedGame> parseSavedGame(const QByteArray &text, QString *why);

} // namespace cardova
