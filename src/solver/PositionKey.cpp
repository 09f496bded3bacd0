#include "solver/PositionKey.h"

#include "common/Fnv1a.h"
#include "engine/Moves.h"

namespace cardova {

namespace {
// A polynomial over the pile's cards with an odd multiplier, finished by
// one mix: cheap per card, and piles that differ in any card or in length
// still differ in every bit of the result.
// The seed tells apart the places a pile may stand in.
uint64_t pileHash(const Position &p, int pile, uint64_t seed)
{
    constexpr uint64_t kMultiplier = 0x9e3779b97f4a7c15ull;
    const int n = p.size(pile);
    const CardCode *card = p.cards.data() + p.start[size_t(pile)];
    uint64_t h = (seed << 8) + uint64_t(n) + 1;
    for (int pos = 0; pos < n; ++pos)
        h = (h + card[pos] + 1) * kMultiplier;
    return mix64(h);
}

// The talon's cards in the order they are turned: the waste from the
// bottom, then the stock from the top; face up or down does not count.
uint64_t talonRingHash(const Position &p, uint64_t seed)
{
    constexpr uint64_t kMultiplier = 0x9e3779b97f4a7c15ull;
    uint64_t h = seed << 8;
    const int waste = p.size(PileIndex::kWaste);
    for (int pos = 0; pos < waste; ++pos)
        h = (h + (p.at(PileIndex::kWaste, pos) & ~kFaceDownFlag) + 1) * kMultiplier;
    for (int pos = p.size(PileIndex::kStock) - 1; pos >= 0; --pos)
        h = (h + (p.at(PileIndex::kStock, pos) & ~kFaceDownFlag) + 1) * kMultiplier;
    return mix64(h);
}
// Piles of a set share the seed of the set's first pile.
int seedPile(int pile, KeyShape shape)
{
    if (shape.sortFoundations && pile >= PileIndex::foundation(0) && pile < PileIndex::foundation(kFoundationPiles))
        return PileIndex::foundation(0);
    if (shape.sortCells && pile >= PileIndex::cell(0))
        return PileIndex::cell(0);
    return pile;
}

// Apart from every pile's seed.
constexpr uint64_t kTurnBacksSeed = uint64_t(PileIndex::kCount + 1) << 8;
} // namespace

bool talonPlaceIrrelevant(const Position &p, const Rules &rules, bool autoplay)
{
    // Turned several at a time, the talon opens only some of its cards,
    // which depend on the place; a limit on turn-backs may leave no round.
    if (!rules.wasteTurnsBack || rules.draw > 1 || p.turnBacksLeft != kUnlimitedTurnBacks)
        return false;
    if (!autoplay)
        return true;
    const uint64_t home = AcceptedCards(p, rules).anyFoundationAutomatic;
    // A table automatic play has not finished with counts as well.
    for (int t = 0; t < p.tableauPiles; ++t)
        if (!p.isEmpty(t) && AcceptedCards::has(home, p.top(t)))
            return false;
    for (int pile : {PileIndex::kStock, PileIndex::kWaste})
        for (int pos = 0; pos < p.size(pile); ++pos)
            if (AcceptedCards::has(home, p.at(pile, pos)))
                return false;
    return true;
}

bool tableauOrderIrrelevant(const Rules &rules, bool autoplay)
{
    if (!autoplay)
        return true;
    return foundationsBySuit(rules);
}

KeyShape keyShapeFor(const Rules &rules, bool autoplay)
{
    const bool pilesAlike = tableauOrderIrrelevant(rules, autoplay);
    return {pilesAlike, foundationsBySuit(rules), pilesAlike};
}

uint64_t positionKey(const Position &p, KeyShape shape, bool talonAsRing)
{
    // Summing the piles' hashes makes the key blind to the order of the
    // piles that share one seed, and to nothing else.
    const int piles = p.tableauPiles;
    uint64_t key = uint64_t(piles) * fnv1a::kPrime + p.reservePiles;
    for (int t = 0; t < piles; ++t)
        key += pileHash(p, PileIndex::tableau(t), shape.sortTableau ? 0 : uint64_t(t) + 1);
    int pile = PileIndex::kStock;
    if (talonAsRing) {
        key += talonRingHash(p, uint64_t(pile) + 1);
        pile = PileIndex::kWaste + 1;
    }
    for (; pile < PileIndex::kCount; ++pile)
        key += pileHash(p, pile, uint64_t(seedPile(pile, shape)) + 1);
    // A limit on turn-backs counts only where a game has one, so the keys
    // of other games stay as they were.
    if (p.turnBacksLeft != kUnlimitedTurnBacks)
        key += mix64(kTurnBacksSeed + p.turnBacksLeft);
    return mix64(key);
}

} // namespace cardova
