#include "engine/Moves.h"

#include <algorithm>

namespace cardova {

namespace {
// A full foundation holds one card of every rank.
constexpr int kFullFoundation = kRanks;

constexpr uint64_t kAllCards = (uint64_t(1) << kPositionCards) - 1;

// No run limit: more than any pile can hold.
constexpr int kNoRunLimit = kPositionCards;

uint64_t cardsOfRank(int rank)
{
    uint64_t mask = 0;
    for (int suit = 0; suit < kPositionCards / kRanks; ++suit)
        mask |= uint64_t(1) << cardCode(suit, rank);
    return mask;
}

bool takes(uint64_t mask, CardCode card) { return AcceptedCards::has(mask, card); }

uint64_t tableauTakesMask(const Position &p, const Rules &r, int pile)
{
    if (p.isEmpty(pile))
        return r.emptyRank == kAnyRank ? kAllCards : cardsOfRank(r.emptyRank);
    return cardsFittingOn(p.top(pile), r.tableauOrder, r.tableauWrap);
}

int emptyTableauPiles(const Position &p, const Rules &r)
{
    int n = 0;
    for (int b = 0; b < r.tableauPiles; ++b)
        n += p.isEmpty(b) ? 1 : 0;
    return n;
}

int freeCells(const Position &p, const Rules &r)
{
    int n = 0;
    for (int c = 0; c < r.cells; ++c)
        n += p.isEmpty(PileIndex::cell(c)) ? 1 : 0;
    return n;
}

// A run may go onto a tableau pile when the pile takes its lowest card and,
// under the free-cell rule, the run is short enough for that pile.
struct RunRoom {
    int ontoCards = kNoRunLimit;
    int ontoSpace = kNoRunLimit;
    int forPile(const Position &p, int pile) const { return p.isEmpty(pile) ? ontoSpace : ontoCards; }
};

RunRoom runRoom(const Position &p, const Rules &r)
{
    return {runLimit(p, r, false), runLimit(p, r, true)};
}

// Whether a tableau card at pos, taken with the cards on it, is a move the
// rule offers; lowest is lowestMovable of the pile.
bool offeredFrom(const Position &p, const Rules &r, int pile, int pos, int lowest)
{
    const int top = p.size(pile) - 1;
    if (pos < lowest || pos > top)
        return false;
    return r.moves != TableauMoves::WholePiles || pos == top || pos == lowest;
}

// Targets of one source. Runs go only onto the tableau; a single card may
// also go home, and from a tableau top or the waste into a free cell. A
// pile never takes its own cards.
struct SourceCard {
    Source source;
    CardCode card;
    int fromPile;
    int count; // cards carried
};

void addTargets(const Position &p, const Rules &r, const AcceptedCards &acc, const RunRoom &room,
                const SourceCard &s, MoveList &out)
{
    for (int b = 0; b < r.tableauPiles; ++b)
        if (PileIndex::tableau(b) != s.fromPile && takes(acc.tableau[size_t(b)], s.card) &&
            (s.count == 1 || s.count <= room.forPile(p, b)))
            out.push(Move::card(s.source, {TargetKind::Tableau, uint8_t(b)}));
    if (s.count != 1)
        return;
    for (int g = 0; g < kFoundationPiles; ++g)
        if (PileIndex::foundation(g) != s.fromPile && takes(acc.foundation[size_t(g)], s.card))
            out.push(Move::card(s.source, {TargetKind::Foundation, uint8_t(g)}));
    if (s.source.kind != SourceKind::Tableau && s.source.kind != SourceKind::Waste)
        return;
    for (int c = 0; c < r.cells; ++c)
        if ((acc.emptyCells >> c) & 1)
            out.push(Move::card(s.source, {TargetKind::Cell, uint8_t(c)}));
}

void addTableauSources(const Position &p, const Rules &r, const AcceptedCards &acc, const RunRoom &room, int pile,
                       MoveList &out)
{
    const int top = p.size(pile) - 1;
    const int lowest = lowestMovable(p, r, pile);
    for (int pos = top; pos >= 0 && pos >= lowest; --pos)
        if (offeredFrom(p, r, pile, pos, lowest))
            addTargets(p, r, acc, room,
                       {{SourceKind::Tableau, uint8_t(pile), uint8_t(pos)}, p.at(pile, pos), pile, top - pos + 1},
                       out);
}

// Adds a pile's top card as a source, where the pile has one.
void addTopSource(const Position &p, const Rules &r, const AcceptedCards &acc, const RunRoom &room, SourceKind kind,
                  int index, MoveList &out)
{
    const Source s{kind, uint8_t(index), 0};
    const int pile = pileOfSource(s);
    if (p.isEmpty(pile))
        return;
    const uint8_t pos = kind == SourceKind::Foundation ? uint8_t(p.size(pile) - 1) : uint8_t(0);
    addTargets(p, r, acc, room, {{kind, uint8_t(index), pos}, p.top(pile), pile, 1}, out);
}

bool turnBackLeft(const Position &p, const Rules &r)
{
    return r.wasteTurnsBack && p.turnBacksLeft != 0;
}
} // namespace

uint64_t foundationTakes(const Position &p, const Rules &r, int g, bool playerMove)
{
    const int pile = PileIndex::foundation(g);
    if (p.isEmpty(pile))
        return cardsOfRank(r.baseRank);
    if (playerMove && p.size(pile) == kFullFoundation)
        return 0;
    return cardsFittingOn(p.top(pile), r.foundationOrder, r.foundationWrap);
}

int lowestMovable(const Position &p, const Rules &r, int pile)
{
    const int top = p.size(pile) - 1;
    if (top < 0 || r.moves == TableauMoves::Single)
        return top;
    int lowest = top;
    for (int pos = top - 1; pos >= 0; --pos) {
        const CardCode card = p.at(pile, pos);
        if (isFaceDown(card))
            break;
        if (r.moves != TableauMoves::AnyFaceUp && !fitsOrder(card, p.at(pile, pos + 1), r.multiOrder, r.tableauWrap))
            break;
        lowest = pos;
    }
    // Whole piles move only as the whole pile.
    if (r.moves == TableauMoves::WholePiles && lowest != 0)
        return top;
    return lowest;
}

int stockTurnCards(const Position &p, const Rules &r)
{
    return std::min<int>(std::max<int>(r.draw, 1), p.size(PileIndex::kStock));
}

int runLimit(const Position &p, const Rules &r, bool ontoSpace)
{
    if (r.moves != TableauMoves::FreeCellRuns)
        return kNoRunLimit;
    // A space helps carry a run only when any card may lie in it.
    const int spaces = r.emptyRank == kAnyRank ? emptyTableauPiles(p, r) - (ontoSpace ? 1 : 0) : 0;
    const int limit = (freeCells(p, r) + 1) << std::max(spaces, 0);
    return std::min(limit, kNoRunLimit);
}

AcceptedCards::AcceptedCards(const Position &p, const Rules &r)
{
    for (int b = 0; b < r.tableauPiles; ++b)
        tableau[size_t(b)] = tableauTakesMask(p, r, b);
    for (int g = 0; g < kFoundationPiles; ++g) {
        foundation[size_t(g)] = foundationTakes(p, r, g, true);
        anyFoundationAutomatic |= foundationTakes(p, r, g, false);
    }
    for (int c = 0; c < r.cells; ++c)
        if (p.isEmpty(PileIndex::cell(c)))
            emptyCells = uint16_t(emptyCells | (1u << c));
}

void legalMoves(const Position &p, const Rules &r, MoveList &out)
{
    out.clear();
    const AcceptedCards acc(p, r);
    const RunRoom room = runRoom(p, r);
    for (int t = 0; t < r.tableauPiles; ++t)
        addTableauSources(p, r, acc, room, t, out);
    addTopSource(p, r, acc, room, SourceKind::Waste, 0, out);
    for (int g = 0; g < kFoundationPiles; ++g)
        addTopSource(p, r, acc, room, SourceKind::Foundation, g, out);
    for (int v = 0; v < r.reservePiles; ++v)
        addTopSource(p, r, acc, room, SourceKind::Reserve, v, out);
    for (int c = 0; c < r.cells; ++c)
        addTopSource(p, r, acc, room, SourceKind::Cell, c, out);
    if (!p.isEmpty(PileIndex::kStock))
        out.push(Move::turnStock());
    if (turnBackLeft(p, r) && !p.isEmpty(PileIndex::kWaste))
        out.push(Move::turnWasteBack());
}

bool foundationAccepts(const Position &p, const Rules &r, int g, CardCode card, bool playerMove)
{
    return takes(foundationTakes(p, r, g, playerMove), card);
}

bool canPickUp(const Position &p, const Rules &r, const Source &s)
{
    switch (s.kind) {
    case SourceKind::Tableau:
        return s.pile < r.tableauPiles && offeredFrom(p, r, s.pile, s.pos, lowestMovable(p, r, s.pile));
    case SourceKind::Waste: return s.pile == 0 && s.pos == 0 && !p.isEmpty(PileIndex::kWaste);
    case SourceKind::Foundation:
        return s.pile < kFoundationPiles && !p.isEmpty(pileOfSource(s)) && s.pos == p.size(pileOfSource(s)) - 1;
    case SourceKind::Reserve: return s.pile < r.reservePiles && s.pos == 0 && !p.isEmpty(pileOfSource(s));
    case SourceKind::Cell: return s.pile < r.cells && s.pos == 0 && !p.isEmpty(pileOfSource(s));
    }
    return false;
}

namespace {
// The cards a card move carries, counted from its source; 0 when the source
// holds no card.
int carriedCards(const Position &p, const Source &s)
{
    const int from = pileOfSource(s);
    if (p.isEmpty(from))
        return 0;
    return s.kind == SourceKind::Tableau ? p.size(from) - s.pos : 1;
}
} // namespace

std::optional<int> runTooLong(const Position &p, const Rules &r, const Move &m)
{
    if (m.kind != MoveKind::Card || m.target.kind != TargetKind::Tableau || !canPickUp(p, r, m.source))
        return std::nullopt;
    const int from = pileOfSource(m.source);
    const int count = carriedCards(p, m.source);
    const int to = m.target.pile;
    if (to >= r.tableauPiles || PileIndex::tableau(to) == from ||
        !takes(tableauTakesMask(p, r, to), p.at(from, p.size(from) - count)))
        return std::nullopt;
    const int limit = runLimit(p, r, p.isEmpty(PileIndex::tableau(to)));
    return count > limit ? std::optional<int>(limit) : std::nullopt;
}

bool isLegal(const Position &p, const Rules &r, const Move &m)
{
    switch (m.kind) {
    case MoveKind::TurnStock: return !p.isEmpty(PileIndex::kStock);
    case MoveKind::TurnWasteBack: return turnBackLeft(p, r) && !p.isEmpty(PileIndex::kWaste);
    case MoveKind::Card: break;
    }
    const Source &s = m.source;
    if (!canPickUp(p, r, s))
        return false;
    const int from = pileOfSource(s);
    const int count = carriedCards(p, s);
    const CardCode card = p.at(from, p.size(from) - count);
    const Target &t = m.target;
    switch (t.kind) {
    case TargetKind::Tableau:
        return t.pile < r.tableauPiles && PileIndex::tableau(t.pile) != from &&
               takes(tableauTakesMask(p, r, t.pile), card) && count <= runLimit(p, r, p.isEmpty(t.pile));
    case TargetKind::Foundation:
        return count == 1 && t.pile < kFoundationPiles && PileIndex::foundation(t.pile) != from &&
               foundationAccepts(p, r, t.pile, card, true);
    case TargetKind::Cell:
        return count == 1 && (s.kind == SourceKind::Tableau || s.kind == SourceKind::Waste) && t.pile < r.cells &&
               p.isEmpty(PileIndex::cell(t.pile));
    }
    return false;
}

std::optional<Move> autoPlayStep(const Position &p, const Rules &r)
{
    // The cards each foundation would take from automatic play (which may
    // drop on a full one), looked up once for every top it tries.
    std::array<uint64_t, kFoundationPiles> takesHome{};
    uint64_t anyTakes = 0;
    for (int g = 0; g < kFoundationPiles; ++g) {
        takesHome[size_t(g)] = foundationTakes(p, r, g, false);
        anyTakes |= takesHome[size_t(g)];
    }
    auto toFoundation = [&](SourceKind kind, int index) -> std::optional<Move> {
        const Source s{kind, uint8_t(index), 0};
        const int pile = pileOfSource(s);
        if (p.isEmpty(pile) || !takes(anyTakes, p.top(pile)))
            return std::nullopt;
        const Source from{kind, uint8_t(index), uint8_t(kind == SourceKind::Tableau ? p.size(pile) - 1 : 0)};
        for (int g = 0; g < kFoundationPiles; ++g)
            if (takes(takesHome[size_t(g)], p.top(pile)))
                return Move::card(from, {TargetKind::Foundation, uint8_t(g)});
        return std::nullopt;
    };
    for (int t = 0; t < r.tableauPiles; ++t)
        if (auto m = toFoundation(SourceKind::Tableau, t))
            return m;
    if (auto m = toFoundation(SourceKind::Waste, 0))
        return m;
    for (int v = 0; v < r.reservePiles; ++v)
        if (auto m = toFoundation(SourceKind::Reserve, v))
            return m;
    for (int c = 0; c < r.cells; ++c)
        if (auto m = toFoundation(SourceKind::Cell, c))
            return m;
    return std::nullopt;
}

} // namespace cardova
