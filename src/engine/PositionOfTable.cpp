#include "engine/PositionOfTable.h"

#include "engine/cArray.h"

namespace cardova {

namespace {
// Face mode of a card lying face down.
constexpr int32_t kFaceDownMode = 1;

void readPile(Position &p, int pile, const cArray &table, const std::array<cCard, kDeckSize> &cards,
              int cell, int tablePile)
{
    const int top = table.GetTop(cell, tablePile);
    for (int pos = 0; pos <= top; ++pos) {
        const int16_t id = table.GetPicID(cell, tablePile, pos);
        if (id >= 0 && id < kDeckSize)
            p.push(pile, cardCodeOf(cards[size_t(id)]));
    }
}
} // namespace

CardCode cardCodeOf(const cCard &card)
{
    return cardCode(card.Suit, card.Num, card.FaceMode == kFaceDownMode);
}

Position positionOfTable(const cArray &table, const std::array<cCard, kDeckSize> &cards,
                         const Rules &rules)
{
    Position p = Position::empty(rules.tableauPiles, rules.reservePiles);
    for (int t = 0; t < rules.tableauPiles; ++t)
        readPile(p, PileIndex::tableau(t), table, cards, kTableau, t);
    readPile(p, PileIndex::kStock, table, cards, kStock, 0);
    readPile(p, PileIndex::kWaste, table, cards, kWaste, 0);
    for (int g = 0; g < kFoundationPiles; ++g)
        readPile(p, PileIndex::foundation(g), table, cards, kFoundation, g);
    for (int r = 0; r < rules.reservePiles; ++r)
        readPile(p, PileIndex::reserve(r), table, cards, kReserve, r);
    return p;
}

} // namespace cardova
