#include "engine/Moves.h"

namespace cardova {

namespace {
// A full foundation holds one card of every rank.
constexpr int kFullFoundation = kRanks;

constexpr uint64_t kAllCards = (uint64_t(1) << kPositionCards) - 1;

uint64_t cardsOfRank(int rank)
{
    uint64_t mask = 0;
    for (int suit = 0; suit < kPositionCards / kRanks; ++suit)
        mask |= uint64_t(1) << cardCode(suit, rank);
    return mask;
}

bool takes(uint64_t mask, CardCode card) { return AcceptedCards::has(mask, card); }

// A pile never takes its own cards.
void addTargets(const AcceptedCards &acc, const Rules &r, Source s, CardCode card, int fromPile,
                bool single, MoveList &out)
{
    for (int b = 0; b < r.tableauPiles; ++b)
        if (PileIndex::tableau(b) != fromPile && takes(acc.tableau[size_t(b)], card))
            out.push(Move::card(s, {TargetKind::Tableau, uint8_t(b)}));
    if (!single)
        return; // runs go only onto the tableau
    for (int g = 0; g < kFoundationPiles; ++g)
        if (PileIndex::foundation(g) != fromPile && takes(acc.foundation[size_t(g)], card))
            out.push(Move::card(s, {TargetKind::Foundation, uint8_t(g)}));
}

// A card below a pile's top is taken with the cards on it only when it lies
// face up and every card from it up keeps the run order. Walking down from
// the top, the first break ends the run for every card below it too.
void addTableauSources(const Position &p, const Rules &r, const AcceptedCards &acc, int pile, MoveList &out)
{
    const int top = p.size(pile) - 1;
    if (top < 0)
        return;
    addTargets(acc, r, {SourceKind::Tableau, uint8_t(pile), uint8_t(top)}, p.top(pile), pile, true, out);
    if (!r.multiMove)
        return;
    for (int pos = top - 1; pos >= 0; --pos) {
        const CardCode card = p.at(pile, pos);
        if (!fitsOrder(card, p.at(pile, pos + 1), r.multiOrder, r.tableauWrap))
            return;
        if (!isFaceDown(card))
            addTargets(acc, r, {SourceKind::Tableau, uint8_t(pile), uint8_t(pos)}, card, pile, false, out);
    }
}
} // namespace

AcceptedCards::AcceptedCards(const Position &p, const Rules &r)
{
    const uint64_t space = r.emptyRank == kAnyRank ? kAllCards : cardsOfRank(r.emptyRank);
    for (int b = 0; b < r.tableauPiles; ++b)
        tableau[size_t(b)] = p.isEmpty(b) ? space : cardsFittingOn(p.top(b), r.tableauOrder, r.tableauWrap);
    const uint64_t base = cardsOfRank(r.baseRank);
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        const uint64_t next = p.isEmpty(pile) ? base : cardsFittingOn(p.top(pile), r.foundationOrder, r.foundationWrap);
        // A drop on a full foundation is refused; automatic play does not ask.
        foundation[size_t(g)] = p.size(pile) == kFullFoundation ? 0 : next;
        anyFoundationAutomatic |= next;
    }
}

void legalMoves(const Position &p, const Rules &r, MoveList &out)
{
    out.clear();
    const AcceptedCards acc(p, r);
    for (int t = 0; t < r.tableauPiles; ++t)
        addTableauSources(p, r, acc, t, out);
    if (!p.isEmpty(PileIndex::kWaste))
        addTargets(acc, r, {SourceKind::Waste, 0, 0}, p.top(PileIndex::kWaste), -1, true, out);
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        if (!p.isEmpty(pile))
            addTargets(acc, r, {SourceKind::Foundation, uint8_t(g), uint8_t(p.size(pile) - 1)},
                       p.top(pile), pile, true, out);
    }
    if (!p.isEmpty(PileIndex::kStock))
        out.push(Move::turnStock());
    if (r.wasteTurnsBack && !p.isEmpty(PileIndex::kWaste))
        out.push(Move::turnWasteBack());
}

bool foundationAccepts(const Position &p, const Rules &r, int g, CardCode card, bool playerMove)
{
    const int pile = PileIndex::foundation(g);
    if (p.isEmpty(pile))
        return rankOf(card) == r.baseRank;
    if (playerMove && p.size(pile) == kFullFoundation)
        return false;
    return fitsOrder(p.top(pile), card, r.foundationOrder, r.foundationWrap);
}

namespace {
// A tableau card below the top is taken with the cards on it only when it
// lies face up and every card from it up keeps the run order.
bool canTakeFrom(const Position &p, const Rules &r, int pile, int pos)
{
    const int top = p.size(pile) - 1;
    if (pos < 0 || pos > top)
        return false;
    if (pos == top)
        return true;
    if (!r.multiMove || isFaceDown(p.at(pile, pos)))
        return false;
    for (int i = pos; i < top; ++i)
        if (!fitsOrder(p.at(pile, i), p.at(pile, i + 1), r.multiOrder, r.tableauWrap))
            return false;
    return true;
}

bool tableauTakes(const Position &p, const Rules &r, int pile, CardCode card)
{
    if (p.isEmpty(pile))
        return r.emptyRank == kAnyRank || rankOf(card) == r.emptyRank;
    return fitsOrder(p.top(pile), card, r.tableauOrder, r.tableauWrap);
}
} // namespace

bool canPickUp(const Position &p, const Rules &r, const Source &s)
{
    switch (s.kind) {
    case SourceKind::Tableau: return s.pile < r.tableauPiles && canTakeFrom(p, r, s.pile, s.pos);
    case SourceKind::Waste: return s.pile == 0 && s.pos == 0 && !p.isEmpty(PileIndex::kWaste);
    case SourceKind::Foundation:
        return s.pile < kFoundationPiles && !p.isEmpty(pileOfSource(s)) && s.pos == p.size(pileOfSource(s)) - 1;
    }
    return false;
}

bool isLegal(const Position &p, const Rules &r, const Move &m)
{
    switch (m.kind) {
    case MoveKind::TurnStock: return !p.isEmpty(PileIndex::kStock);
    case MoveKind::TurnWasteBack: return r.wasteTurnsBack && !p.isEmpty(PileIndex::kWaste);
    case MoveKind::Card: break;
    }
    const Source &s = m.source;
    if (!canPickUp(p, r, s))
        return false;
    const int from = pileOfSource(s);
    const bool single = s.kind != SourceKind::Tableau || s.pos == p.size(from) - 1;
    const CardCode card = p.at(from, s.kind == SourceKind::Tableau ? s.pos : p.size(from) - 1);
    const Target &t = m.target;
    if (t.kind == TargetKind::Tableau)
        return t.pile < r.tableauPiles && PileIndex::tableau(t.pile) != from && tableauTakes(p, r, t.pile, card);
    return single && t.pile < kFoundationPiles && PileIndex::foundation(t.pile) != from &&
           foundationAccepts(p, r, t.pile, card, true);
}

std::optional<Move> autoPlayStep(const Position &p, const Rules &r)
{
    // The cards each foundation would take from automatic play (which may
    // drop on a full one), looked up once for every top it tries.
    std::array<uint64_t, kFoundationPiles> takesHome{};
    uint64_t anyTakes = 0;
    const uint64_t base = cardsOfRank(r.baseRank);
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        takesHome[size_t(g)] = p.isEmpty(pile) ? base : cardsFittingOn(p.top(pile), r.foundationOrder, r.foundationWrap);
        anyTakes |= takesHome[size_t(g)];
    }
    auto toFoundation = [&](Source s, CardCode card) -> std::optional<Move> {
        if (!takes(anyTakes, card))
            return std::nullopt;
        for (int g = 0; g < kFoundationPiles; ++g)
            if (takes(takesHome[size_t(g)], card))
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
