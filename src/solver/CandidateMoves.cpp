#include "solver/CandidateMoves.h"

#include <array>

namespace cardova {

namespace {
enum Rank { kHome, kTurnsUp, kOther, kStock, kWasteBack, kRankCount };

bool anyFoundationTakes(const Position &p, const Rules &r, CardCode card)
{
    for (int g = 0; g < kFoundationPiles; ++g)
        if (foundationAccepts(p, r, g, card, true))
            return true;
    return false;
}

// The card a tableau move leaves on top of its pile, or kNoCard.
CardCode cardLeftBelow(const Position &p, const Move &m)
{
    if (m.source.kind != SourceKind::Tableau || m.source.pos == 0)
        return kNoCard;
    return p.at(PileIndex::tableau(m.source.pile), m.source.pos - 1);
}

// Moving a whole pile onto an empty one only renames the piles. That holds
// when the pile order does not matter, the bottom card already lies face up
// (arriving would turn it up) and no automatic move is waiting (the new pile
// order could change what it does).
bool onlyRenamesPiles(const Position &p, const Move &m, const CandidateContext &c)
{
    if (m.kind != MoveKind::Card || m.source.kind != SourceKind::Tableau || m.target.kind != TargetKind::Tableau ||
        m.source.pos != 0 ||
        !p.isEmpty(PileIndex::tableau(m.target.pile)) || !c.tableauOrderIrrelevant)
        return false;
    if (isFaceDown(p.at(PileIndex::tableau(m.source.pile), 0)))
        return false;
    return !c.autoplay || !autoPlayStep(p, c.rules);
}

// The narrow rules of the quick phase (see SearchPhase::Quick).
bool quickPhaseSkips(const Position &p, const Move &m, const CandidateContext &c)
{
    if (m.kind != MoveKind::Card)
        return false;
    if (m.source.kind == SourceKind::Foundation)
        return true;
    if (m.source.kind != SourceKind::Tableau || m.target.kind != TargetKind::Tableau)
        return false;
    if (m.source.pos == 0)
        return p.isEmpty(PileIndex::tableau(m.target.pile));
    const CardCode below = cardLeftBelow(p, m);
    return !isFaceDown(below) && !anyFoundationTakes(p, c.rules, below);
}

Rank rankOf(const Position &p, const Move &m)
{
    switch (m.kind) {
    case MoveKind::TurnStock: return kStock;
    case MoveKind::TurnWasteBack: return kWasteBack;
    case MoveKind::Card: break;
    }
    if (m.target.kind == TargetKind::Foundation)
        return kHome;
    const CardCode below = cardLeftBelow(p, m);
    return below != kNoCard && isFaceDown(below) ? kTurnsUp : kOther;
}
} // namespace

void candidateMoves(const Position &p, const CandidateContext &c, std::vector<Move> &out)
{
    MoveList legal;
    legalMoves(p, c.rules, legal);
    std::array<int, kRankCount> counts{};
    std::array<Rank, kMaxMoves> ranks;
    std::array<bool, kMaxMoves> kept;
    for (int i = 0; i < legal.size(); ++i) {
        const Move &m = legal[i];
        // The table turns the waste back only from its marker, which the
        // stock covers while it holds a card.
        bool keep = m.kind != MoveKind::TurnWasteBack || p.isEmpty(PileIndex::kStock);
        keep = keep && !onlyRenamesPiles(p, m, c);
        keep = keep && !(c.phase == SearchPhase::Quick && quickPhaseSkips(p, m, c));
        kept[size_t(i)] = keep;
        ranks[size_t(i)] = rankOf(p, m);
        if (keep)
            ++counts[size_t(ranks[size_t(i)])];
    }
    // A counting sort: stable, so the engine's order decides within a rank.
    std::array<size_t, kRankCount> next{};
    size_t total = out.size();
    for (int k = 0; k < kRankCount; ++k) {
        next[size_t(k)] = total;
        total += size_t(counts[size_t(k)]);
    }
    out.resize(total);
    for (int i = 0; i < legal.size(); ++i)
        if (kept[size_t(i)])
            out[next[size_t(ranks[size_t(i)])]++] = legal[i];
}

} // namespace cardova
