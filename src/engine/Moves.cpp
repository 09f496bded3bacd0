#include "engine/Moves.h"

namespace cardova {

namespace {
// A full foundation holds one card of every rank.
constexpr int kFullFoundation = kRanks;

bool tableauAccepts(const Position &p, const Rules &r, int pile, CardCode card, int fromPile)
{
    if (p.isEmpty(pile))
        return r.emptyRank == kAnyRank || rankOf(card) == r.emptyRank;
    if (pile == fromPile)
        return false;
    return fitsOrder(p.top(pile), card, r.tableauOrder, r.tableauWrap);
}

// fromDrop: a player's move, which a full foundation refuses; automatic
// play does not ask.
bool foundationAccepts(const Position &p, const Rules &r, int g, CardCode card, bool fromDrop)
{
    const int pile = PileIndex::foundation(g);
    if (p.isEmpty(pile))
        return rankOf(card) == r.baseRank;
    if (fromDrop && p.size(pile) == kFullFoundation)
        return false;
    return fitsOrder(p.top(pile), card, r.foundationOrder, r.foundationWrap);
}

void addTargets(const Position &p, const Rules &r, Source s, CardCode card, int fromPile,
                bool single, MoveList &out)
{
    for (int b = 0; b < r.tableauPiles; ++b)
        if (tableauAccepts(p, r, b, card, fromPile))
            out.push(Move::card(s, {TargetKind::Tableau, uint8_t(b)}));
    if (!single)
        return; // runs go only onto the tableau
    for (int g = 0; g < kFoundationPiles; ++g)
        if (foundationAccepts(p, r, g, card, true))
            out.push(Move::card(s, {TargetKind::Foundation, uint8_t(g)}));
}

// A card below a pile's top is taken with the cards on it only when it lies
// face up and every card from it up keeps the run order. Walking down from
// the top, the first break ends the run for every card below it too.
void addTableauSources(const Position &p, const Rules &r, int pile, MoveList &out)
{
    const int top = p.size(pile) - 1;
    if (top < 0)
        return;
    addTargets(p, r, {SourceKind::Tableau, uint8_t(pile), uint8_t(top)}, p.top(pile), pile, true, out);
    if (!r.multiMove)
        return;
    for (int pos = top - 1; pos >= 0; --pos) {
        const CardCode card = p.at(pile, pos);
        if (!fitsOrder(card, p.at(pile, pos + 1), r.multiOrder, r.tableauWrap))
            return;
        if (!isFaceDown(card))
            addTargets(p, r, {SourceKind::Tableau, uint8_t(pile), uint8_t(pos)}, card, pile, false, out);
    }
}
} // namespace

void legalMoves(const Position &p, const Rules &r, MoveList &out)
{
    out.clear();
    for (int t = 0; t < r.tableauPiles; ++t)
        addTableauSources(p, r, t, out);
    if (!p.isEmpty(PileIndex::kWaste))
        addTargets(p, r, {SourceKind::Waste, 0, 0}, p.top(PileIndex::kWaste), -1, true, out);
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        if (!p.isEmpty(pile))
            addTargets(p, r, {SourceKind::Foundation, uint8_t(g), uint8_t(p.size(pile) - 1)},
                       p.top(pile), -1, true, out);
    }
    if (!p.isEmpty(PileIndex::kStock))
        out.push(Move::turnStock());
    if (r.wasteTurnsBack && !p.isEmpty(PileIndex::kWaste))
        out.push(Move::turnWasteBack());
}

std::optional<Move> autoPlayStep(const Position &p, const Rules &r)
{
    auto toFoundation = [&](Source s, CardCode card) -> std::optional<Move> {
        for (int g = 0; g < kFoundationPiles; ++g)
            if (foundationAccepts(p, r, g, card, false))
                return Move::card(s, {TargetKind::Foundation, uint8_t(g)});
        return std::nullopt;
    };
    for (int t = 0; t < r.tableauPiles; ++t) {
        if (p.isEmpty(t))
            continue;
        if (auto m = toFoundation({SourceKind::Tableau, uint8_t(t), uint8_t(p.size(t) - 1)}, p.top(t)))
            return m;
    }
    if (!p.isEmpty(PileIndex::kWaste))
        return toFoundation({SourceKind::Waste, 0, 0}, p.top(PileIndex::kWaste));
    return std::nullopt;
}

} // namespace cardova
