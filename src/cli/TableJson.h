#pragma once
#include <QString>

namespace cardova {

class GameContext;

// A JSON text with its keys in the order they were added.
class JsonText {
public:
    static QString quote(const QString &text);
};

// The "deal" object: game, number, deck, piles, moves and goal cards.
QString tableJson(const GameContext &ctx, const QString &extraFields = QString());

} // namespace cardova
