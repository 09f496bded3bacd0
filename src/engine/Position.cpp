#include "engine/Position.h"

#include "common/Fnv1a.h"

#include <algorithm>
#include <cctype>

namespace cardova {

namespace {
constexpr char kRankLetters[] = "A23456789TJQK";
constexpr char kSuitLetters[] = "HSDC";

std::string pileName(int pile)
{
    if (pile < PileIndex::kStock)
        return "Tableau " + std::to_string(pile + 1);
    if (pile == PileIndex::kStock)
        return "Stock";
    if (pile == PileIndex::kWaste)
        return "Waste";
    if (pile < PileIndex::kFirstReserve)
        return "Foundation " + std::to_string(pile - PileIndex::kFirstFoundation + 1);
    if (pile < PileIndex::kFirstCell)
        return "Reserve " + std::to_string(pile - PileIndex::kFirstReserve + 1);
    return "Cell " + std::to_string(pile - PileIndex::kFirstCell + 1);
}

bool pileShown(const Position &p, int pile)
{
    if (pile < PileIndex::kStock)
        return pile < p.tableauPiles;
    if (pile >= PileIndex::kFirstCell)
        return pile - PileIndex::kFirstCell < p.cellPiles;
    if (pile >= PileIndex::kFirstReserve)
        return pile - PileIndex::kFirstReserve < p.reservePiles;
    return true;
}
} // namespace

Position Position::empty(int tableauPiles, int reservePiles, int cellPiles)
{
    Position p;
    p.cards.fill(kNoCard);
    p.start.fill(0);
    p.tableauPiles = uint8_t(tableauPiles);
    p.reservePiles = uint8_t(reservePiles);
    p.cellPiles = uint8_t(cellPiles);
    p.turnBacksLeft = kUnlimitedTurnBacks;
    return p;
}

void Position::push(int pile, CardCode card)
{
    const int end = start[size_t(pile) + 1];
    const int total = cardCount();
    std::copy_backward(cards.begin() + end, cards.begin() + total, cards.begin() + total + 1);
    cards[size_t(end)] = card;
    for (int p = pile + 1; p <= PileIndex::kCount; ++p)
        ++start[size_t(p)];
}

void Position::carry(int from, int to, int count)
{
    if (count <= 0 || from == to)
        return;
    const auto base = cards.begin();
    const int fromEnd = start[size_t(from) + 1];
    const int toEnd = start[size_t(to) + 1];
    if (from < to) {
        // The block moves right past the piles in between, which shift left.
        std::rotate(base + fromEnd - count, base + fromEnd, base + toEnd);
        for (int p = from + 1; p <= to; ++p)
            start[size_t(p)] = uint8_t(start[size_t(p)] - count);
    } else {
        std::rotate(base + toEnd, base + fromEnd - count, base + fromEnd);
        for (int p = to + 1; p <= from; ++p)
            start[size_t(p)] = uint8_t(start[size_t(p)] + count);
    }
}

uint64_t Position::hash() const
{
    // FNV-1a over the bytes that make the position; unused slots are skipped
    // so equal positions hash alike however they were reached.
    uint64_t h = fnv1a::kOffset;
    auto mix = [&h](uint8_t b) { h = fnv1a::mix(h, b); };
    for (int i = 0; i < cardCount(); ++i)
        mix(cards[size_t(i)]);
    // Piles up to the reserves hash as they always have, so a game kept by
    // an earlier version still matches its table; cells and a turn-back
    // limit add to the hash only where a game has them.
    for (int pile = 0; pile <= PileIndex::kFirstCell; ++pile)
        mix(start[size_t(pile)]);
    mix(tableauPiles);
    mix(reservePiles);
    if (cellPiles > 0) {
        for (int pile = PileIndex::kFirstCell + 1; pile <= PileIndex::kCount; ++pile)
            mix(start[size_t(pile)]);
        mix(cellPiles);
    }
    if (turnBacksLeft != kUnlimitedTurnBacks)
        mix(turnBacksLeft);
    return h;
}

std::string cardText(CardCode card)
{
    std::string s{kRankLetters[rankOf(card)], kSuitLetters[suitOf(card)]};
    if (isFaceDown(card))
        for (char &c : s)
            c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Position::text() const
{
    std::string out;
    for (int pile = 0; pile < PileIndex::kCount; ++pile) {
        if (!pileShown(*this, pile))
            continue;
        out += pileName(pile) + ':';
        for (int pos = 0; pos < size(pile); ++pos)
            out += ' ' + cardText(at(pile, pos));
        out += '\n';
    }
    return out;
}

} // namespace cardova
