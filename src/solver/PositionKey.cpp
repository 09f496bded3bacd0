#include "solver/PositionKey.h"

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
} // namespace

bool tableauOrderIrrelevant(const Rules &rules, bool autoplay)
{
    if (!autoplay)
        return true;
    return rules.foundationOrder == OrderCode::UpSameSuit || rules.foundationOrder == OrderCode::DownSameSuit;
}

uint64_t positionKey(const Position &p, bool sortTableau)
{
    // Summing the piles' hashes makes the key blind to the order of the
    // piles that share one seed, and to nothing else.
    const int piles = p.tableauPiles;
    uint64_t key = uint64_t(piles) * 0x100000001b3ull + p.reservePiles;
    for (int t = 0; t < piles; ++t)
        key += pileHash(p, PileIndex::tableau(t), sortTableau ? 0 : uint64_t(t) + 1);
    for (int pile = PileIndex::kStock; pile < PileIndex::kCount; ++pile)
        key += pileHash(p, pile, uint64_t(pile) + 1);
    return mix64(key);
}

} // namespace cardova
