#include "engine/HitTest.h"

namespace cardova {

namespace {
// The centre of a card: left + 532.5 rounded half to even is left + 532.
constexpr int kCardCentreX = kCardWidth / 2;
} // namespace

bool HitTest(const TableLayout &layout, int64_t left, int64_t top, int16_t cell, int16_t pile, int16_t pos,
             bool centreMode)
{
    const int64_t tx = layout.slotX(cell, pile, pos);
    const int64_t ty = layout.slotY(cell, pile, pos);
    if (centreMode) {
        const int64_t cx = left + kCardCentreX;
        const int64_t cy = top + kCardHeight / 2;
        return cx > tx && cx < tx + kCardWidth && cy > ty && cy < ty + kCardHeight;
    }
    return left < tx + kCardWidth && tx < left + kCardWidth && top < ty + kCardHeight && ty < top + kCardHeight;
}

bool HitTest(const TableLayout &layout, const cCard &card, int16_t cell, int16_t pile, int16_t pos, bool centreMode)
{
    return HitTest(layout, card.Left, card.Top, cell, pile, pos, centreMode);
}

} // namespace cardova
