#include "engine/MoveRules.h"

#include "session/GameContext.h"

namespace cardova {

namespace {
enum class Direction { Up, Down, Either };
enum class Kind { SameSuit, AlternateColor, Regardless };

bool stepFits(int lower, int upper, Direction dir, bool wrap)
{
    const bool up = upper == lower + 1 || (wrap && lower == 12 && upper == 0);
    const bool down = lower == upper + 1 || (wrap && lower == 0 && upper == 12);
    switch (dir) {
    case Direction::Up: return up;
    case Direction::Down: return down;
    case Direction::Either: return up || down;
    }
    return false;
}
} // namespace

bool FitsOrder(const cCard &lower, const cCard &upper, int32_t order, bool wrap)
{
    if (order == 6)
        return true;
    if (order < 0 || order > 9)
        return false;
    static constexpr Direction kDir[10] = {Direction::Up,     Direction::Up,     Direction::Up,
                                           Direction::Down,   Direction::Down,   Direction::Down,
                                           Direction::Either, Direction::Either, Direction::Either,
                                           Direction::Either};
    static constexpr Kind kKind[10] = {Kind::SameSuit,   Kind::AlternateColor, Kind::Regardless,
                                       Kind::SameSuit,   Kind::AlternateColor, Kind::Regardless,
                                       Kind::Regardless, Kind::SameSuit,       Kind::AlternateColor,
                                       Kind::Regardless};
    if (!stepFits(lower.Num, upper.Num, kDir[order], wrap))
        return false;
    switch (kKind[order]) {
    case Kind::SameSuit: return lower.Suit == upper.Suit;
    case Kind::AlternateColor: return lower.Color() != upper.Color();
    case Kind::Regardless: return true;
    }
    return false;
}

bool RunInOrder(const GameContext &ctx, int16_t picId, int16_t count)
{
    const cCard &card = ctx.cards[size_t(picId)];
    const int p = card.Pile;
    const int s = card.Pos;
    const int32_t order = ctx.games.MultiOrder();
    const bool wrap = ctx.games.AK(kTableau) != 0;
    for (int i = s; i <= s + count - 1; ++i) {
        const int16_t a = ctx.table.GetPicID(kTableau, p, i);
        const int16_t b = ctx.table.GetPicID(kTableau, p, i + 1);
        if (a < 0 || b < 0 || !FitsOrder(ctx.cards[size_t(a)], ctx.cards[size_t(b)], order, wrap))
            return false;
    }
    return true;
}

bool TableauAccepts(const GameContext &ctx, int16_t pile, int16_t picId)
{
    const cCard &card = ctx.cards[size_t(picId)];
    const int16_t top = ctx.table.GetTop(kTableau, pile);
    if (top < 0) {
        const int16_t emptyNum = ctx.games.EmptyNum();
        return emptyNum == 13 || card.Num == emptyNum;
    }
    if (card.Cell == kTableau && card.Pile == pile)
        return false;
    const cCard &topCard = ctx.cards[size_t(ctx.table.GetTopPicID(kTableau, pile))];
    return FitsOrder(topCard, card, ctx.games.Order(kTableau), ctx.games.AK(kTableau) != 0);
}

bool FoundationAccepts(const GameContext &ctx, int16_t pile, int16_t picId, bool fromDrop)
{
    const cCard &card = ctx.cards[size_t(picId)];
    const int16_t top = ctx.table.GetTop(kFoundation, pile);
    if (top < 0)
        return card.Num == ctx.table.BaseNum;
    if (fromDrop && top == 12)
        return false;
    const cCard &topCard = ctx.cards[size_t(ctx.table.GetTopPicID(kFoundation, pile))];
    return FitsOrder(topCard, card, ctx.games.Order(kFoundation), ctx.games.AK(kFoundation) != 0);
}

} // namespace cardova
