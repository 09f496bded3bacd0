#pragma once
#include "engine/Moves.h"

#include <QString>
#include <optional>

namespace cardova {

class GameContext;

// One scripted action of "cardova-cli play".
struct PlayAction {
    enum class Kind { Stock, Drag, Undo, Redo, UndoAll, RedoAll, Back, Forward, AutoplayOn, AutoplayOff };
    Kind kind = Kind::Stock;
    // Drag: the source (a table area: the tableau with pile and pos, the
    // waste, a foundation, the reserve or a free cell with its pile) and the
    // destination (the tableau, a foundation or a free cell, and its pile).
    int srcCell = 0;
    int srcPile = 0;
    int srcPos = 0;
    int dstCell = 0;
    int dstPile = 0;
};

std::optional<PlayAction> parsePlayAction(const QString &text);
// The action that makes a player's move: "stock" for turning the stock and
// for turning the waste back (which the table does only from an empty
// stock), else "SRC>DST".
QString actionText(const Move &move);
// Performs the action through the routines the main window uses; true when
// the table changed.
bool performPlayAction(GameContext &ctx, const PlayAction &action);
// The history rows as [[NUMBER, SOURCE, DESTINATION, CARDS, MARK], ...].
QString historyJson(const GameContext &ctx);

} // namespace cardova
