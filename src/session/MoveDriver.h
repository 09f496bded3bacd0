#pragma once
#include "engine/Moves.h"

#include <cstdint>

namespace cardova {

class GameContext;
class cGames;

// The game driver: every change of the table goes through here, whoever
// asks for it (the mouse, the command line, the replay, a benchmark). A
// player's move is a Move; the functions with the table's own arguments
// below are the steps it is made of.

// The rules of the game on the table and the position it holds now.
Rules currentRules(const GameContext &ctx);
Position currentPosition(const GameContext &ctx, const Rules &rules);

// Whether automatic play follows the player's moves in a game of these
// rules: the game allows it, the player's setting asks for it and this run
// has not switched it off. The driver plays by it, and every question put to
// the solver about such a game (hints, the winnable-deal search) assumes it.
bool autoplayFollows(const GameContext &ctx, const cGames &games);
// The same for the game on the table.
bool autoplayFollows(const GameContext &ctx);

// Performs a player's move: checks it with the rules, makes it with its log
// records, and runs automatic play to its end. False when the rules refuse
// it, no game runs, or the log has no room left for it.
bool playMove(GameContext &ctx, const Move &move);

// What a click on the stock asks for: turning its top card, or, once it is
// empty, turning the waste back.
Move stockClick(const GameContext &ctx);

// One step of every move: turns up the tableau card the move uncovers,
// records the move (modes other than log and deal), moves the card and the
// mCards cards on it with speed animation steps, and in modes play, stock and
// uncover runs automatic play. The win is checked when the outermost action
// has returned.
void MoveCard(GameContext &ctx, int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos,
              int32_t &tMod, int16_t speed, int16_t mCards, int32_t dFace);

// Turns a stock card face up onto the waste.
void AddtoWaste(GameContext &ctx, int16_t picId);
// Turns the waste card on top onto the stock (one card of a recycle).
void MoveWasteStock(GameContext &ctx);
// Turns the whole waste back into the stock as one undo step.
void RecycleWaste(GameContext &ctx);

// Automatic play: moves cards to the foundations, one at a time in a loop,
// until none fits. Each move takes the first card in the scan order (tableau
// tops pile by pile, then the waste top) that a foundation accepts.
void RunAutoPlay(GameContext &ctx);
// Puts one card on the first foundation that takes it; true if it moved.
bool AutoToGoal(GameContext &ctx, int16_t picId);

// The table area a move's target lies in.
int16_t cellOfTarget(const Target &target);
// The table card a move's source names, or -1 when there is none.
int16_t sourceCard(const GameContext &ctx, const Source &source);
// Where a table card lies, as a move's source: for cards of the tableau,
// the waste, the foundations, the reserve and the cells, the only ones a
// player can pick up.
Source sourceOf(const GameContext &ctx, int16_t picId);
// The log has room for this many moves and the automatic moves they may bring.
bool logHasRoom(const GameContext &ctx, int moves);
// The log records a line of player's actions may use from now on: an
// action is taken while the records before it and its own fit in this many
// (room for the automatic play after it is kept back).
int lineLogRoom(const GameContext &ctx);

} // namespace cardova
