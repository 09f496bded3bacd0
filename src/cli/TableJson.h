#pragma once
#include <QString>

namespace cardova {

class GameContext;

// A JSON text with its keys in the order they were added.
class JsonText {
public:
    // A string value, quotes included. Escaped by Qt's JSON writer, as the
    // stats object is, so every object the tool prints escapes alike.
    static QString quote(const QString &text);
};

// The "deal" object: game, number, deck, piles, moves and goal cards.
QString tableJson(const GameContext &ctx, const QString &extraFields = QString());

} // namespace cardova
