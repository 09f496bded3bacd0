#include "engine/Moves.h"

namespace cardova {

namespace {
enum class Direction : uint8_t { Up, Down, Either };
enum class Kind : uint8_t { SameSuit, AlternateColor, Regardless };

struct OrderRule {
    Direction direction;
    Kind kind;
};

// Indexed by OrderCode; AnyCard's entry is never read.
constexpr OrderRule kOrderRules[] = {
    {Direction::Up, Kind::SameSuit},       {Direction::Up, Kind::AlternateColor},
    {Direction::Up, Kind::Regardless},     {Direction::Down, Kind::SameSuit},
    {Direction::Down, Kind::AlternateColor}, {Direction::Down, Kind::Regardless},
    {Direction::Either, Kind::Regardless}, {Direction::Either, Kind::SameSuit},
    {Direction::Either, Kind::AlternateColor}, {Direction::Either, Kind::Regardless},
};

constexpr int kKing = kRanks - 1;

bool stepFits(int lower, int upper, Direction dir, bool wrap)
{
    const bool up = upper == lower + 1 || (wrap && lower == kKing && upper == 0);
    const bool down = lower == upper + 1 || (wrap && lower == 0 && upper == kKing);
    switch (dir) {
    case Direction::Up: return up;
    case Direction::Down: return down;
    case Direction::Either: return up || down;
    }
    return false;
}
} // namespace

bool fitsOrder(CardCode lower, CardCode upper, OrderCode order, bool wrap)
{
    if (order == OrderCode::AnyCard)
        return true;
    const OrderRule rule = kOrderRules[size_t(order)];
    if (!stepFits(rankOf(lower), rankOf(upper), rule.direction, wrap))
        return false;
    switch (rule.kind) {
    case Kind::SameSuit: return suitOf(lower) == suitOf(upper);
    case Kind::AlternateColor: return isRed(lower) != isRed(upper);
    case Kind::Regardless: return true;
    }
    return false;
}

} // namespace cardova
