#include "rules/TableLayout.h"

#include "common/Numeric.h"
#include "rules/GameRecord.h"

#include <algorithm>

namespace cardova {

int TableLayout::wasteFanCards(const cGames &games)
{
    return std::clamp<int>(games.StockMove(), 1, RecordLimits::kMaxDraw);
}

bool TableLayout::wasteFanSlot(int pos, int *first, int *index) const
{
    const int fanned = wasteFanCards(games_);
    if (fanned <= 1 || pos < 0)
        return false;
    // A slot above the top counts as filled, as on the tableau: a card on
    // its way there lands at the fan's right end.
    const int cards = std::max<int>(table_.WasteCards(), pos + 1);
    *first = std::max(cards - fanned, 0);
    *index = pos - *first;
    return *index >= 0;
}

int16_t TableLayout::slotX(int cell, int pile, int pos) const
{
    int first = 0, index = 0;
    if (cell == kWaste && wasteFanSlot(pos, &first, &index))
        return clamp16(static_cast<long long>(games_.GetCordX(kWaste, pile, first)) + index * kWasteFan);
    return games_.GetCordX(cell, pile, pos);
}

int16_t TableLayout::slotY(int cell, int pile, int pos) const
{
    int first = 0, index = 0;
    // The fan lies level, at its first card's height.
    if (cell == kWaste && wasteFanSlot(pos, &first, &index))
        return games_.GetCordY(kWaste, pile, first);
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
