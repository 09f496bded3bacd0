#pragma once
#include "settings/GameNumber.h"

#include <QString>
#include <cstdint>

namespace cardova {

class GameContext;

// Core part of opening the main window: the data folder, the custom games,
// the session start time and the first player.
void InitMain(GameContext &ctx);

// Starts a game by name and number. Returns an empty text on success, else
// the reason the game cannot be loaded (then nothing has changed). A game
// still on the table is recorded first (a won one as won).
QString NewGame(GameContext &ctx, const QString &gName, const GameNumber &gameNo);
// Records the game on the table and clears it.
void EndGame(GameContext &ctx, int16_t mWon);
// When every card is home: takes the final figures, marks the game finished
// and tells the win handler. Runs after the winning action has returned.
void CheckWin(GameContext &ctx);
int16_t GetScore(const GameContext &ctx);
int32_t ElapsedTime(const GameContext &ctx);
GameNumber RandomGameNo(GameContext &ctx);
// 10 to the power of the range index, by repeated multiplication; 0 below 1.
double RandomRange(int16_t rangeIndex);

// Hides every card and marker and empties the table state.
void ClearTable(GameContext &ctx);

// The 500 ms counter step: score (from the previous values), time, moves.
void UpdateCounters(GameContext &ctx);
// The picture of the empty stock's mark: the turn-back mark while a click
// on it turns the waste back, else the mark that says nothing is left to
// turn (a waste that never goes back, its turn-backs used up, or none left
// on it). The move rules decide, so the mark and the click agree.
int16_t StockMarkerPicture(const GameContext &ctx);
// Gives the stock's mark its picture; true when that changed it. The deal
// and the end of every action call it.
bool RefreshStockMarker(GameContext &ctx);
// Time and moves as they are now and the score from them: what gets recorded.
void FinalCounters(GameContext &ctx);

// "Cardova [Klondike] [Player1] [4711]", or the product name with no game.
QString MainCaption(const GameContext &ctx);

} // namespace cardova
