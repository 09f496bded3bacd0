#pragma once
#include "rules/RuleCodes.h"

#include <cstdint>

namespace cardova {

// The eight values that define a game. Built-in games have fixed records;
// designed games store theirs in a ".gam" file.
struct GameRecord {
    int32_t gOrder = 0; // foundation building order code
    int32_t gBase = 0;  // foundation base rank code, or kRandomBase
    int16_t gCards = 0; // foundations that start with their base card
    int32_t hOrder = 4; // tableau building order code
    int16_t hSpace = kAnyRank; // rank that may fill an empty tableau pile, or kAnyRank
    int16_t hPiles = 7; // tableau piles
    int16_t hAk = 1;    // tableau ace-king wrap
    int16_t hMulti = 1; // runs may be moved on the tableau

    bool operator==(const GameRecord &) const = default;
};

// Limits offered by the games wizard; a record outside them is refused when
// loaded, because the engine cannot deal or play it soundly.
namespace RecordLimits {
constexpr int kMinPiles = 4;
constexpr int kMaxPiles = 9;
// Foundations build one way only; the tableau may take every order.
constexpr int kMaxFoundationOrder = int(OrderCode::DownRegardless);
constexpr int kMaxTableauOrder = int(OrderCode::UpOrDownRegardless);
// Ranks Ace (0) to King (12), then the code that names none.
constexpr int kMaxRank = kAnyRank;
static_assert(kAnyRank == kRandomBase, "one rank code names no rank in both fields");
constexpr int kMaxInitialCards = 4;
} // namespace RecordLimits

// Empty when the record is playable, else a sentence naming the first bad value.
const char *recordProblem(const GameRecord &r);

} // namespace cardova
