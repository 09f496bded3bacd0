#include "rules/TableLayout.h"

#include "common/Numeric.h"

#include <algorithm>

namespace cardova {

int16_t TableLayout::slotY(int cell, int pile, int pos) const
{
    if (cell != kTableau || tableauBottom_ == 0 || games_.area(kTableau).PosWidth <= kMinOpenFan)
        return games_.GetCordY(cell, pile, pos);
    // Face-down cards keep the offset they were dealt with; only the
    // face-up cards above them close up.
    const int closed = table_.ClosedCards(int16_t(pile));
    if (pos >= 0 && pos < closed)
        return games_.GetCordY(cell, pile, pos);
    const int firstOpenTop = games_.GetCordY(kTableau, pile, closed);
    return clamp16(static_cast<long long>(firstOpenTop) +
                   static_cast<long long>(pos - closed) * openFan(pile, pos, closed, firstOpenTop));
}

int TableLayout::openFan(int pile, int pos, int closed, int firstOpenTop) const
{
    const int natural = games_.area(kTableau).PosWidth;
    // A slot above the top counts as filled: a card dropped there lands
    // where the pile, grown by it, puts it.
    const int cards = std::max<int>(table_.PileCards(int16_t(pile)), pos + 1);
    const int gaps = cards - closed - 1;
    if (gaps <= 0)
        return natural;
    const int room = tableauBottom_ - kCardHeight - firstOpenTop;
    return std::clamp(room / gaps, kMinOpenFan, natural);
}

} // namespace cardova
