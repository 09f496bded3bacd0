#include "solver/CandidateMoves.h"

#include "solver/PositionKey.h"
#include "solver/QuickPhaseRules.h"

#include <algorithm>
#include <array>
#include <optional>

namespace cardova {

namespace {
enum Rank { kHome, kTurnsUp, kOther, kRankCount };

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
bool onlyRenamesPiles(const Position &p, const Move &m, const CandidateContext &c, bool settled)
{
    if (m.kind != MoveKind::Card || m.source.kind != SourceKind::Tableau || m.target.kind != TargetKind::Tableau ||
        m.source.pos != 0 ||
        !p.isEmpty(PileIndex::tableau(m.target.pile)) || !c.tableauOrderIrrelevant)
        return false;
    if (isFaceDown(p.at(PileIndex::tableau(m.source.pile), 0)))
        return false;
    // Where the reserve fills spaces, the emptied pile takes its top.
    if (c.rules.reserveFillsSpaces && c.rules.reservePiles > 0 && !p.isEmpty(PileIndex::reserve(0)))
        return false;
    return settled;
}

// Building down in alternate colours onto foundations built up by suit
// from the Ace: the rules under which sending a card home early is known
// never to cost a win, when it is low enough. The proof takes a card that
// would lie on it home instead, with the one card a run may hold on that:
// so the cards moved together must form a run, and no reserve may fill a
// space the card home leaves at another time than the win would.
bool safeHomeRulesApply(const Rules &r)
{
    const bool runsOnly = r.moves == TableauMoves::Single || r.moves == TableauMoves::Runs ||
                          r.moves == TableauMoves::FreeCellRuns;
    return r.foundationOrder == OrderCode::UpSameSuit && r.baseRank == 0 && !r.foundationWrap &&
           r.tableauOrder == OrderCode::DownAlternateColor && !r.tableauWrap && runsOnly &&
           (!r.multiMove() || r.multiOrder == OrderCode::DownAlternateColor) && !r.reserveFillsSpaces &&
           r.reservePiles == 0;
}

// Taking the waste's top changes which talon cards later turns open when
// the stock turns several at a time.
bool safeFromSource(const Rules &r, SourceKind kind)
{
    return kind != SourceKind::Foundation && (kind != SourceKind::Waste || r.draw <= 1);
}

// A card is safe at home when no card that might want to lie on it in the
// tableau still needs it: the lower cards of the other colour can go home
// themselves (their foundations stand at most two below it) and so can the
// same-colour ones that would lie on those (at most three below).
using SuitHeights = std::array<int, kPositionCards / kRanks>;

SuitHeights heightsOf(const Position &p)
{
    SuitHeights height{};
    for (int g = 0; g < kFoundationPiles; ++g) {
        const int pile = PileIndex::foundation(g);
        if (!p.isEmpty(pile))
            height[size_t(suitOf(p.top(pile)))] = rankOf(p.top(pile)) + 1;
    }
    return height;
}

bool safeAtHome(const SuitHeights &height, CardCode card)
{
    const int rank = rankOf(card) + 1; // an Ace counts one
    constexpr int kAlwaysSafe = 2;
    if (rank <= kAlwaysSafe)
        return true;
    int otherColour = kRanks;
    int sameColour = kRanks;
    for (int suit = 0; suit < int(height.size()); ++suit) {
        if (suit == suitOf(card))
            continue;
        int &lowest = isRed(cardCode(suit, 0)) == isRed(card) ? sameColour : otherColour;
        lowest = std::min(lowest, height[size_t(suit)]);
    }
    return rank <= otherColour + 2 && rank <= sameColour + 3;
}

// With automatic play off, a safe move home is the only one worth trying
// where there is one: every win can make it now.
std::optional<Move> safeMoveHome(const Position &p, const MoveList &legal, const CandidateContext &c)
{
    if (c.autoplay || !safeHomeRulesApply(c.rules))
        return std::nullopt;
    const SuitHeights height = heightsOf(p);
    for (const Move &m : legal) {
        if (m.kind != MoveKind::Card || m.target.kind != TargetKind::Foundation ||
            !safeFromSource(c.rules, m.source.kind))
            continue;
        const int from = pileOfSource(m.source);
        if (safeAtHome(height, p.top(from)))
            return m;
    }
    return std::nullopt;
}

// The same for a talon card: when the waste turns back without limit one
// card at a time, turning the talon round to it loses nothing either, since
// any card can be turned to again.
std::optional<Candidate> safeTalonMoveHome(const Position &p, const std::vector<Candidate> &talon, std::size_t first,
                                           const CandidateContext &c)
{
    if (c.autoplay || !c.rules.wasteTurnsBack || c.rules.draw > 1 || p.turnBacksLeft != kUnlimitedTurnBacks ||
        !safeHomeRulesApply(c.rules))
        return std::nullopt;
    const SuitHeights height = heightsOf(p);
    for (std::size_t i = first; i < talon.size(); ++i) {
        const Candidate &t = talon[i];
        if (t.move.kind == MoveKind::Card && t.move.target.kind == TargetKind::Foundation &&
            safeAtHome(height, talonCardOpenAfter(p, c.rules, t.turns)))
            return t;
    }
    return std::nullopt;
}

// Under automatic play with one foundation per suit, a card taken off a
// foundation goes straight back (a base card perhaps to another empty
// foundation, which changes nothing that matters), once the table is
// settled: no other card can go home first, as none could before.
bool homeCardsReturn(const CandidateContext &c, bool settled)
{
    return c.autoplay && foundationsBySuit(c.rules) && settled;
}

// Moving on at once the card the move before laid on a pile: the move
// before could have taken it there directly, with the same cards open when
// automatic play looks. Not back to the pile it came from where that pile
// changed under it (a card turned up or the reserve filled it), and not a
// run under the free-cell rule, whose length limit counts the spaces the
// move before may have made.
bool movesOnAtOnce(const Position &p, const Move &m, const CandidateContext &c, const Arrival &arrival)
{
    if (arrival.justMoved == kNoCard || movedCard(p, m) != arrival.justMoved)
        return false;
    if (m.target.kind == TargetKind::Tableau && m.target.pile == arrival.changedOrigin)
        return false;
    const bool run = m.source.kind == SourceKind::Tableau && m.source.pos + 1 < p.size(pileOfSource(m.source));
    return !(run && c.rules.moves == TableauMoves::FreeCellRuns);
}

// Where the cells are all alike, a card goes only into the first free one:
// the others give the same table under another name.
bool intoLaterCell(const Position &p, const Move &m, const CandidateContext &c)
{
    if (m.target.kind != TargetKind::Cell || !c.tableauOrderIrrelevant)
        return false;
    for (int cell = 0; cell < m.target.pile; ++cell)
        if (p.isEmpty(PileIndex::cell(cell)))
            return true;
    return false;
}

Rank rankOf(const Position &p, const Move &m)
{
    if (m.target.kind == TargetKind::Foundation)
        return kHome;
    const CardCode below = cardLeftBelow(p, m);
    return below != kNoCard && isFaceDown(below) ? kTurnsUp : kOther;
}
// Reorders each rank's moves by a small generator seeded from the search's
// seed and the list, so the same position gets the same order in one run.
void shuffleWithinRanks(std::vector<Candidate> &out, size_t first, const std::array<int, kRankCount> &counts,
                        uint64_t seed)
{
    uint64_t state = seed;
    auto next = [&state] { return mix64(state += 0x9e3779b97f4a7c15ull); };
    size_t begin = first;
    for (int count : counts) {
        for (int i = count - 1; i > 0; --i)
            std::swap(out[begin + size_t(i)], out[begin + size_t(next() % uint64_t(i + 1))]);
        begin += size_t(count);
    }
}
} // namespace

CardCode movedCard(const Position &p, const Move &m)
{
    const int pile = pileOfSource(m.source);
    return m.source.kind == SourceKind::Tableau ? p.at(pile, m.source.pos) : p.top(pile);
}

void candidateMoves(const Position &p, const CandidateContext &c, const Arrival &arrival, std::vector<Candidate> &out)
{
    MoveList legal;
    legalMoves(p, c.rules, legal);
    if (const auto safe = safeMoveHome(p, legal, c)) {
        out.push_back({*safe, 0});
        return;
    }
    // The quick phase's choice of talon cards, worked out once per position.
    std::optional<QuickTalonCards> quick;
    if (c.phase == SearchPhase::Quick)
        quick.emplace(p, c);
    const bool skipHomeCards = homeCardsReturn(c, arrival.settled);
    std::array<int, kRankCount> counts{};
    std::array<Rank, kMaxMoves> ranks;
    std::array<bool, kMaxMoves> kept;
    for (int i = 0; i < legal.size(); ++i) {
        const Move &m = legal[i];
        // Turns of the talon come with talonCandidates.
        bool keep = m.kind == MoveKind::Card;
        keep = keep && !(skipHomeCards && m.source.kind == SourceKind::Foundation);
        keep = keep && !movesOnAtOnce(p, m, c, arrival);
        keep = keep && !intoLaterCell(p, m, c);
        keep = keep && !onlyRenamesPiles(p, m, c, arrival.settled);
        keep = keep && !(c.phase == SearchPhase::Quick && quickPhaseSkips(p, m, c));
        keep = keep && !(quick && m.source.kind == SourceKind::Waste &&
                         m.target.kind == TargetKind::Tableau &&
                         !quick->plays(p.top(PileIndex::kWaste)));
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
    const size_t first = out.size();
    out.resize(total);
    for (int i = 0; i < legal.size(); ++i)
        if (kept[size_t(i)])
            out[next[size_t(ranks[size_t(i)])]++] = {legal[i], 0};
    if (c.shuffle != 0)
        shuffleWithinRanks(out, first, counts, c.shuffle ^ (uint64_t(legal.size()) << 32));
    const std::size_t talonFirst = out.size();
    talonCandidates(p, c, arrival.settled, first, quick ? &*quick : nullptr, out);
    if (const auto safe = safeTalonMoveHome(p, out, talonFirst, c)) {
        out.resize(first);
        out.push_back(*safe);
        return;
    }
    // Talon cards going home come with the other moves home.
    const auto talon = out.begin() + std::ptrdiff_t(talonFirst);
    const auto homeEnd = std::stable_partition(talon, out.end(), [](const Candidate &t) {
        return t.move.kind == MoveKind::Card && t.move.target.kind == TargetKind::Foundation;
    });
    std::rotate(out.begin() + std::ptrdiff_t(first + size_t(counts[kHome])), talon, homeEnd);
}

} // namespace cardova
