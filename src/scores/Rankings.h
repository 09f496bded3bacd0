#pragma once
// The ranking table: slots 1..20 of best records, slot 0 never used.
#include "scores/ScoreRec.h"

#include <QString>
#include <array>
#include <vector>

namespace cardova {

constexpr int kTopSlots = 20;
using TopTable = std::array<ScoreRec, kTopSlots + 1>;

// Ranks by score, highest first, the records with a score above 0 that match
// the filters (an empty name matches every game or player; won = 1 keeps only
// won games). A later record with the same score goes above an earlier one.
// Returns the number of filled slots.
int rankByScore(const std::vector<ScoreRec> &list, const QString &gName, const QString &player,
                int16_t won, TopTable &top);

// Ranks won games by time (byTime) or moves (byMoves, which wins when both are
// set), lowest first; a later record with the same key goes above an earlier
// one. Records whose key is below 1 are never ranked. With neither key set
// the table stays empty. Returns the number of filled slots.
int rankFinished(const std::vector<ScoreRec> &list, bool byTime, bool byMoves, TopTable &top);

} // namespace cardova
