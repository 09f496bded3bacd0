#pragma once
#include "rules/GameRecord.h"

#include <QString>
#include <optional>
#include <span>

namespace cardova {

// A well-known game as a ready record. Classics are offered, not built in:
// one becomes a designed game when the player adds it.
struct ClassicGame {
    const char *name;
    GameRecord record;
};

std::span<const ClassicGame> classicGames();

// The classic of that name, compared exactly.
std::optional<GameRecord> classicRecord(const QString &name);

} // namespace cardova
