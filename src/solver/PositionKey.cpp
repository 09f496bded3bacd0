#include "solver/PositionKey.h"

#include <algorithm>
#include <array>

namespace cardova {

namespace {
// The finishing step of splitmix64: every input bit reaches every output bit.
uint64_t mix(uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    x ^= x >> 31;
    return x;
}

uint64_t pileHash(const Position &p, int pile)
{
    uint64_t h = 0x9e3779b97f4a7c15ull;
    for (int pos = 0; pos < p.size(pile); ++pos)
        h = mix(h ^ p.at(pile, pos)) + uint64_t(pos);
    return mix(h + uint64_t(p.size(pile)));
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
    std::array<uint64_t, kMaxTableauPiles> tableau{};
    const int piles = p.tableauPiles;
    for (int t = 0; t < piles; ++t)
        tableau[size_t(t)] = pileHash(p, PileIndex::tableau(t));
    if (sortTableau)
        std::sort(tableau.begin(), tableau.begin() + piles);
    uint64_t key = mix(uint64_t(piles) * 0x100000001b3ull + p.reservePiles);
    for (int t = 0; t < piles; ++t)
        key = mix(key ^ tableau[size_t(t)]) + uint64_t(t);
    for (int pile = PileIndex::kStock; pile < PileIndex::kCount; ++pile)
        key = mix(key ^ pileHash(p, pile)) + uint64_t(pile);
    return key;
}

} // namespace cardova
