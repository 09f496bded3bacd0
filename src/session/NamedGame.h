#pragma once
#include <QString>

#include <QStringList>

namespace cardova {

class GameContext;
class cData;

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

// Adds the classic of exactly that name to the designed games (writes its
// file, refreshes the game lists). A file of that name, readable or not, is
// never written over: the answer then says so and nothing changes.
NamedGame addClassicGame(GameContext &ctx, const QString &classic);

// The classics whose names the game-name table does not hold yet, in the
// classics' order: what the game selection offers to add.
QStringList classicsNotAdded(const cData &data);

} // namespace cardova
