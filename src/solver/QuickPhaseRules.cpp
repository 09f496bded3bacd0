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
    if (isFaceDown(below) || anyFoundationTakes(p, c.rules, below))
        return false;
    // Under the free-cell rule every card lies face up, and where any
    // face-up cards move together the card they leave open is seldom the
    // point: a run going onto another pile's card is how such games go on.
    return !((c.rules.moves == TableauMoves::FreeCellRuns || c.rules.moves == TableauMoves::AnyFaceUp) &&
             !p.isEmpty(PileIndex::tableau(m.target.pile)));
}

QuickTalonCards::QuickTalonCards(const Position &p, const CandidateContext &c)
    : order_(c.rules.tableauOrder), wrap_(c.rules.tableauWrap),
      playsAll_(!c.rules.wasteTurnsBack || c.rules.draw > 1 || p.turnBacksLeft != kUnlimitedTurnBacks)
{
    auto add = [this](CardCode card) { mayBeLaidOn_ |= uint64_t(1) << (card & ~kFaceDownFlag); };
    for (int t = 0; t < p.tableauPiles; ++t) {
        int lowestUp = 0;
        while (lowestUp < p.size(t) && isFaceDown(p.at(t, lowestUp)))
            ++lowestUp;
        if (lowestUp < p.size(t))
            add(p.at(t, lowestUp));
    }
    for (int pile : {PileIndex::kStock, PileIndex::kWaste})
        for (int i = 0; i < p.size(pile); ++i)
            add(p.at(pile, i));
}

bool QuickTalonCards::plays(CardCode card) const
{
    return playsAll_ || (cardsFittingOn(card, order_, wrap_) & mayBeLaidOn_) != 0;
}

} // namespace cardova
