#pragma once
// The integer codes a game record stores for its rules: building orders and
// the two rank codes that name no rank. Every layer from the rules up reads
// them by these names.
#include <cstdint>

namespace cardova {

// Building order codes of a pile area, as a game record stores them.
enum class OrderCode : uint8_t {
    UpSameSuit = 0,
    UpAlternateColor = 1,
    UpRegardless = 2,
    DownSameSuit = 3,
    DownAlternateColor = 4,
    DownRegardless = 5,
    AnyCard = 6,
    UpOrDownSameSuit = 7,
    UpOrDownAlternateColor = 8,
    UpOrDownRegardless = 9,
};

// The rank code that lets any card fill an empty tableau pile ("Any Card").
constexpr int16_t kAnyRank = 13;
// The foundation base code that names no rank: the deal picks one ("Random").
constexpr int16_t kRandomBase = 13;

} // namespace cardova
