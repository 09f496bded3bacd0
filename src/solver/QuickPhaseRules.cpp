#include "solver/QuickPhaseRules.h"

#include "solver/CandidateMoves.h"

namespace cardova {

namespace {
bool anyFoundationTakes(const Position &p, const Rules &r, CardCode card)
{
    for (int g = 0; g < kFoundationPiles; ++g)
        if (foundationAccepts(p, r, g, card, true))
            return true;
    return false;
}

// A card of the rank that fills a space lies in the talon, or face up on
// other cards in a pile other than source.
bool spaceFillerWaiting(const Position &p, const Rules &r, int source)
{
    if (r.emptyRank == kAnyRank)
        return true;
    for (int pile : {PileIndex::kStock, PileIndex::kWaste})
        for (int i = 0; i < p.size(pile); ++i)
            if (rankOf(p.at(pile, i)) == r.emptyRank)
                return true;
    for (int t = 0; t < p.tableauPiles; ++t)
        for (int i = 1; i < p.size(t); ++i)
            if (t != source && !isFaceDown(p.at(t, i)) && rankOf(p.at(t, i)) == r.emptyRank)
                return true;
    return false;
}

bool liesOn(const Rules &r, CardCode lower, CardCode upper)
{
    return fitsOrder(CardCode(lower & ~kFaceDownFlag), CardCode(upper & ~kFaceDownFlag), r.tableauOrder,
                     r.tableauWrap);
}
} // namespace

bool quickPhaseSkips(const Position &p, const Move &m, const CandidateContext &c)
{
    if (m.kind != MoveKind::Card)
        return false;
    if (m.source.kind == SourceKind::Foundation)
        return true;
    if (m.source.kind != SourceKind::Tableau || m.target.kind != TargetKind::Tableau)
        return false;
    if (m.source.pos == 0)
        return p.isEmpty(PileIndex::tableau(m.target.pile)) || !spaceFillerWaiting(p, c.rules, m.source.pile);
    const CardCode below = p.at(PileIndex::tableau(m.source.pile), m.source.pos - 1);
    return !isFaceDown(below) && !anyFoundationTakes(p, c.rules, below);
}

bool quickPhasePlaysTalonCard(const Position &p, const CandidateContext &c, CardCode card)
{
    if (!c.rules.wasteTurnsBack)
        return true;
    for (int t = 0; t < p.tableauPiles; ++t) {
        int lowestUp = 0;
        while (lowestUp < p.size(t) && isFaceDown(p.at(t, lowestUp)))
            ++lowestUp;
        if (lowestUp < p.size(t) && liesOn(c.rules, card, p.at(t, lowestUp)))
            return true;
    }
    for (int pile : {PileIndex::kStock, PileIndex::kWaste})
        for (int i = 0; i < p.size(pile); ++i)
            if (liesOn(c.rules, card, p.at(pile, i)))
                return true;
    return false;
}

} // namespace cardova
