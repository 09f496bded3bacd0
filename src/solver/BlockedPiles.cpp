#include "solver/BlockedPiles.h"

#include "solver/Transition.h"

#include <algorithm>

namespace cardova {

BlockedPiles::BlockedPiles(const Rules &rules, bool autoplay)
    : rules_(rules),
      applies_(foundationsBySuit(rules) && rules.cells == 0),
      anyCardFillsSpace_(rules.emptyRank == kAnyRank), homeIsFinal_(autoplay)
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

uint64_t BlockedPiles::cardsHome(const Position &p) const
{
    uint64_t home = 0;
    if (!homeIsFinal_)
        return home;
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        for (int i = 0; i < p.size(pile); ++i)
            home |= uint64_t(1) << (p.at(pile, i) & ~kFaceDownFlag);
    }
    return home;
}

bool BlockedPiles::isBlocked(const Position &p, int pile, uint64_t outOfReach) const
{
    constexpr int kNone = kRanks;
    std::array<int, kPositionCards / kRanks> lowestBelow{kNone, kNone, kNone, kNone};
    uint64_t below = outOfReach;
    const int n = p.size(pile);
    for (int i = 0; i < n; ++i) {
        const CardCode card = CardCode(p.at(pile, i) & ~kFaceDownFlag);
        const int steps = stepsFromBase(card);
        const bool carriedAlong = i > 0 && !isFaceDown(p.at(pile, i)) && !isFaceDown(p.at(pile, i - 1)) &&
                                  rules_.multiMove() &&
                                  (rules_.moves == TableauMoves::AnyFaceUp ||
                                   fitsOrder(p.at(pile, i - 1), card, rules_.multiOrder, rules_.tableauWrap));
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
    const uint64_t home = cardsHome(p);
    for (int t = 0; t < p.tableauPiles; ++t)
        if (isBlocked(p, PileIndex::tableau(t), home))
            return true;
    return false;
}

bool BlockedPiles::blockedAfter(const Position &before, const Position &after, const Move &m) const
{
    if (!applies_)
        return false;
    if (homeIsFinal_ && cardsOnFoundations(after) != cardsOnFoundations(before))
        return anyBlocked(after);
    return m.kind == MoveKind::Card && m.target.kind == TargetKind::Tableau &&
           isBlocked(after, PileIndex::tableau(m.target.pile), cardsHome(after));
}

} // namespace cardova
