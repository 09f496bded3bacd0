#pragma once
#include "engine/cArray.h"

#include <cstdint>
#include <functional>

namespace cardova {

class GameContext;
class cGames;

// Gives every card its value from the shuffled deck and brings it to the front.
void AssignCards(GameContext &ctx);
// Lays the whole deal out: base cards, markers, stock, then what is dealt from it.
void DealGame(GameContext &ctx);
void DealGoal(GameContext &ctx);
void ShowMarkers(GameContext &ctx);
void DealStock(GameContext &ctx);
void DealHome(GameContext &ctx);

// The layout of a deal, apart from any table it is shown on: where the deal
// puts each card. The live deal animates the card there; a deal worked out
// beforehand on a table of its own just lays it down.
using PlaceDealt =
    std::function<void(int16_t picId, int16_t cell, int16_t pile, int16_t pos, int16_t speed, int32_t face)>;
// Every card's value from the shuffled deck.
void assignCardValues(const cGames &games, const cArray &table, CardSprites &cards);
// The base rank, and the base cards the game starts its foundations with.
void dealGoalCards(const cGames &games, cArray &table, const CardSprites &cards, const PlaceDealt &place);
// Every card not on a foundation, face down onto the stock in deck order.
void dealStockCards(const cGames &games, const cArray &table, const CardSprites &cards, const PlaceDealt &place);
// The tableau piles in the game's pattern, from the top of the stock.
void dealHomeCards(const cGames &games, const cArray &table, const PlaceDealt &place);
// Everything dealt from the top of the stock: the reserve, a base card the
// deal chooses, the cells' cards, then the tableau.
void dealFromStock(const cGames &games, cArray &table, const CardSprites &cards, const PlaceDealt &place);

// The base code kRandomBase names no rank. The deal then uses the rank of the
// first card of the shuffled deck, so a game name and number always give the
// same base.
int16_t randomBaseRank(const cArray &table);

} // namespace cardova
