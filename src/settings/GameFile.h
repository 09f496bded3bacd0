#pragma once
#include "rules/GameRecord.h"

#include <QString>

namespace cardova {

// Reads the first eight comma-separated numbers of a ".gam" file. Returns an
// empty text on success, else a one-line reason (missing, unreadable, too few
// numbers, values the engine cannot play).
QString readGameFile(const QString &path, GameRecord *record);

// Parses the text of a ".gam" file; the same rules as readGameFile.
QString parseGameRecord(const QByteArray &content, GameRecord *record);

// Writes one record line through a save file: on failure the old file stays
// as it was. Returns an empty text on success, else the reason.
QString writeGameFile(const QString &path, const GameRecord &record);

// The line a record is stored as, ending in CR LF.
QByteArray gameRecordLine(const GameRecord &record);

} // namespace cardova
