#pragma once
#include "rules/GameRecord.h"
#include <QString>
#include <optional>

namespace cardova {

constexpr int kStandardGameCount = 3;

// Name of standard game 1..3 ("Klondike", "Klondike Plus", "Lawn").
QString standardGameName(int id);

// The built-in record of a standard game; names compare exactly.
std::optional<GameRecord> standardGameRecord(const QString &name);

// Value texts used wherever a record is shown to the player. Codes outside
// their range give an empty text.
QString OrderText(int code);
QString BaseCardText(int code);
QString SpaceCardText(int code);
QString BoolText(int code);

} // namespace cardova
