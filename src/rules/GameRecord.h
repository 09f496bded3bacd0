#pragma once
#include <cstdint>

namespace cardova {

// The eight values that define a game. Built-in games have fixed records;
// designed games store theirs in a ".gam" file.
struct GameRecord {
    int32_t gOrder = 0; // foundation building order code
    int32_t gBase = 0;  // foundation base rank code, 13 = "Random"
    int16_t gCards = 0; // foundations that start with their base card
    int32_t hOrder = 4; // tableau building order code
    int16_t hSpace = 13; // rank that may fill an empty tableau pile, 13 = any
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
constexpr int kMaxFoundationOrder = 5;
constexpr int kMaxTableauOrder = 9;
constexpr int kMaxRank = 13;
constexpr int kMaxInitialCards = 4;
} // namespace RecordLimits

// Empty when the record is playable, else a sentence naming the first bad value.
const char *recordProblem(const GameRecord &r);

} // namespace cardova
