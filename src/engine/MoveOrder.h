#pragma once
#include "engine/Position.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>

namespace cardova {

namespace order_detail {
enum class Direction : uint8_t { Up, Down, Either };
enum class Kind : uint8_t { SameSuit, AlternateColor, Regardless };

struct OrderRule {
    Direction direction;
    Kind kind;
};

// Indexed by OrderCode; AnyCard's entry is never read.
constexpr OrderRule kOrderRules[] = {
    {Direction::Up, Kind::SameSuit},         {Direction::Up, Kind::AlternateColor},
    {Direction::Up, Kind::Regardless},       {Direction::Down, Kind::SameSuit},
    {Direction::Down, Kind::AlternateColor}, {Direction::Down, Kind::Regardless},
    {Direction::Either, Kind::Regardless},   {Direction::Either, Kind::SameSuit},
    {Direction::Either, Kind::AlternateColor}, {Direction::Either, Kind::Regardless},
};
constexpr int kOrderCount = 10;
constexpr int kKing = kRanks - 1;

constexpr bool stepFits(int lower, int upper, Direction dir, bool wrap)
{
    const bool up = upper == lower + 1 || (wrap && lower == kKing && upper == 0);
    const bool down = lower == upper + 1 || (wrap && lower == 0 && upper == kKing);
    return dir == Direction::Up ? up : dir == Direction::Down ? down : (up || down);
}

constexpr bool fits(CardCode lower, CardCode upper, OrderCode order, bool wrap)
{
    if (order == OrderCode::AnyCard)
        return true;
    const OrderRule rule = kOrderRules[size_t(order)];
    if (!stepFits(rankOf(lower), rankOf(upper), rule.direction, wrap))
        return false;
    return rule.kind == Kind::SameSuit         ? suitOf(lower) == suitOf(upper)
           : rule.kind == Kind::AlternateColor ? isRed(lower) != isRed(upper)
                                               : true;
}

// For every order, wrap and lower card, the set of cards that may lie on
// it as a bit mask: the move search asks this hundreds of times a position.
using FitsTable = std::array<std::array<std::array<uint64_t, kPositionCards>, 2>, kOrderCount>;
constexpr FitsTable makeFitsTable()
{
    FitsTable t{};
    for (int o = 0; o < kOrderCount; ++o)
        for (int w = 0; w < 2; ++w)
            for (int lo = 0; lo < kPositionCards; ++lo)
                for (int up = 0; up < kPositionCards; ++up)
                    if (fits(CardCode(lo), CardCode(up), OrderCode(o), w != 0))
                        t[size_t(o)][size_t(w)][size_t(lo)] |= uint64_t(1) << up;
    return t;
}
inline constexpr FitsTable kFitsTable = makeFitsTable();
} // namespace order_detail

// True if upper may lie on lower under an order code and wrap flag; faces
// do not matter.
inline bool fitsOrder(CardCode lower, CardCode upper, OrderCode order, bool wrap)
{
    const auto &masks = order_detail::kFitsTable[size_t(order)][wrap ? 1 : 0];
    return (masks[lower & ~kFaceDownFlag] >> (upper & ~kFaceDownFlag)) & 1;
}

// Every card that may lie on lower, as a bit mask over card codes.
inline uint64_t cardsFittingOn(CardCode lower, OrderCode order, bool wrap)
{
    return order_detail::kFitsTable[size_t(order)][wrap ? 1 : 0][lower & ~kFaceDownFlag];
}

} // namespace cardova
