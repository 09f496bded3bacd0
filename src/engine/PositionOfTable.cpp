#include "engine/PositionOfTable.h"

#include "engine/cArray.h"

namespace cardova {

namespace {
// The table's cell and pile of a position pile, or cell -1 for a pile the
// game does not have.
struct TablePile {
    int cell;
    int pile;
};

TablePile tablePileOf(int pile, const Rules &rules)
{
    if (pile < PileIndex::kStock)
        return {pile < rules.tableauPiles ? int(kTableau) : -1, pile};
    if (pile == PileIndex::kStock)
        return {kStock, 0};
    if (pile == PileIndex::kWaste)
        return {kWaste, 0};
    if (pile < PileIndex::kFirstReserve)
        return {kFoundation, pile - PileIndex::kFirstFoundation};
    if (pile < PileIndex::kFirstCell) {
        const int r = pile - PileIndex::kFirstReserve;
        return {r < rules.reservePiles ? int(kReserve) : -1, r};
    }
    const int c = pile - PileIndex::kFirstCell;
    return {c < rules.cells ? int(kFreeCell) : -1, c};
}
} // namespace

Position positionOfTable(const cArray &table, const std::array<cCard, kDeckSize> &cards,
                         const Rules &rules)
{
    // The piles are filled in the order they lie in the card array, each
    // card appended at the end: one pass, no shifting.
    Position p = Position::empty(rules.tableauPiles, rules.reservePiles, rules.cells);
    p.turnBacksLeft = rules.turnBacks;
    int count = 0;
    for (int pile = 0; pile < PileIndex::kCount; ++pile) {
        p.start[size_t(pile)] = uint8_t(count);
        const TablePile from = tablePileOf(pile, rules);
        if (from.cell < 0)
            continue;
        const int16_t *slot = table.pileSlots(from.cell, from.pile);
        const int size = table.GetTop(from.cell, from.pile) + 1;
        for (int pos = 0; pos < size && count < kPositionCards; ++pos) {
            const int16_t id = slot[pos];
            if (id >= 0 && id < kDeckSize)
                p.cards[size_t(count++)] = cardCodeOf(cards[size_t(id)]);
        }
    }
    p.start[PileIndex::kCount] = uint8_t(count);
    return p;
}

} // namespace cardova
