#pragma once
#include <cstdint>

namespace cardova {

class GameContext;
class cArray;

// Gives every card its value from the shuffled deck and brings it to the front.
void AssignCards(GameContext &ctx);
// Lays the whole deal out: base cards, markers, stock, then the staircase.
void DealGame(GameContext &ctx);
void DealGoal(GameContext &ctx);
void ShowMarkers(GameContext &ctx);
void DealStock(GameContext &ctx);
void DealHome(GameContext &ctx);

// Base code 13 ("Random") names no rank. The deal then uses the rank of the
// first card of the shuffled deck, so a game name and number always give the
// same base.
int16_t randomBaseRank(const cArray &table);

} // namespace cardova
