#include "engine/HitTest.h"

namespace cardova {

namespace {
// The centre of a card: left + 532.5 rounded half to even is left + 532.
constexpr int kCardCentreX = kCardWidth / 2;
} // namespace

bool HitTest(const cGames &games, const cCard &card, int16_t cell, int16_t pile, int16_t pos, bool centreMode)
{
    const long long tx = games.GetCordX(cell, pile, pos);
    const long long ty = games.GetCordY(cell, pile, pos);
    if (centreMode) {
        const long long cx = static_cast<long long>(card.Left) + kCardCentreX;
        const long long cy = static_cast<long long>(card.Top) + kCardHeight / 2;
        return cx > tx && cx < tx + kCardWidth && cy > ty && cy < ty + kCardHeight;
    }
    const long long l = card.Left, t = card.Top;
    return l < tx + kCardWidth && tx < l + kCardWidth && t < ty + kCardHeight && ty < t + kCardHeight;
}

} // namespace cardova
