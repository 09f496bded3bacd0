#pragma once
#include <QString>

namespace cardova {

class GameContext;

// The game a name given from outside (the command line) means.
struct NamedGame {
    QString name;    // the game's name as the game list spells it; empty when unknown
    QString problem; // why the name cannot be played, one sentence
    bool added = false; // a classic was added to the designed games for it
};

// Finds a game by name: a built-in or designed game (exact name first, then
// with case ignored), else a classic, which is then added to the designed
// games exactly as the games list adds it. An existing game file is never
// written over.
NamedGame findNamedGame(GameContext &ctx, const QString &asked);

} // namespace cardova
