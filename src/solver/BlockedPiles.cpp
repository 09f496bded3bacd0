#include "solver/BlockedPiles.h"

#include <algorithm>

namespace cardova {

BlockedPiles::BlockedPiles(const Rules &rules)
    : rules_(rules),
      applies_(rules.foundationOrder == OrderCode::UpSameSuit || rules.foundationOrder == OrderCode::DownSameSuit),
      anyCardFillsSpace_(rules.emptyRank == kAnyRank)
{
    for (int lower = 0; lower < kPositionCards; ++lower)
        for (int upper = 0; upper < kPositionCards; ++upper)
            if (fitsOrder(CardCode(lower), CardCode(upper), rules.tableauOrder, rules.tableauWrap))
                mayLieOn_[size_t(upper)] |= uint64_t(1) << lower;
}

int BlockedPiles::stepsFromBase(CardCode card) const
{
    const bool up = rules_.foundationOrder == OrderCode::UpSameSuit;
    const int steps = up ? rankOf(card) - rules_.baseRank : rules_.baseRank - rankOf(card);
    if (steps >= 0)
        return steps;
    return rules_.foundationWrap ? steps + kRanks : -1;
}

bool BlockedPiles::isBlocked(const Position &p, int pile) const
{
    constexpr int kNone = kRanks;
    std::array<int, kPositionCards / kRanks> lowestBelow{kNone, kNone, kNone, kNone};
    uint64_t below = 0;
    const int n = p.size(pile);
    for (int i = 0; i < n; ++i) {
        const CardCode card = CardCode(p.at(pile, i) & ~kFaceDownFlag);
        const int steps = stepsFromBase(card);
        const bool carriedAlong = i > 0 && !isFaceDown(p.at(pile, i)) && !isFaceDown(p.at(pile, i - 1)) &&
                                  rules_.multiMove &&
                                  fitsOrder(p.at(pile, i - 1), card, rules_.multiOrder, rules_.tableauWrap);
        const bool fillsSpace = anyCardFillsSpace_ || rankOf(card) == rules_.emptyRank;
        if (steps > lowestBelow[size_t(suitOf(card))] && !carriedAlong && !fillsSpace &&
            (mayLieOn_[card] & ~below) == 0)
            return true;
        if (steps >= 0)
            lowestBelow[size_t(suitOf(card))] = std::min(lowestBelow[size_t(suitOf(card))], steps);
        below |= uint64_t(1) << card;
    }
    return false;
}

bool BlockedPiles::anyBlocked(const Position &p) const
{
    if (!applies_)
        return false;
    for (int t = 0; t < p.tableauPiles; ++t)
        if (isBlocked(p, PileIndex::tableau(t)))
            return true;
    return false;
}

} // namespace cardova
