#pragma once
#include "engine/Rules.h"

namespace cardova {

class cGames;

// The rules of the loaded game; baseRank is the deal's foundation base
// (the table's BaseNum), which a "Random" base only fixes at the deal.
Rules rulesOfGame(const cGames &games, int16_t baseRank);

} // namespace cardova
