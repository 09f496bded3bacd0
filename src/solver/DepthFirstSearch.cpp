#include "solver/DepthFirstSearch.h"

#include "solver/LogRecords.h"
#include "solver/PositionKey.h"
#include "solver/Transition.h"

namespace cardova {

namespace {
// The clock and the stop flag are read once per this many positions: a few
// milliseconds of search at most.
constexpr uint64_t kCheckEvery = 1024;

// The card a move laid on a tableau pile while no card went home, or
// kNoCard, with the pile it came from where that pile changed under it. A
// card taken off a foundation does not count: automatic play may have sent
// another card home in its place.
Arrival arrivalOf(const Position &parent, const Position &child, const Rules &rules, const Candidate &via,
                  bool settled)
{
    Arrival a{settled, kNoCard, -1};
    const Move &m = via.move;
    if (m.kind != MoveKind::Card || m.target.kind != TargetKind::Tableau || m.source.kind == SourceKind::Foundation ||
        cardsOnFoundations(child) != cardsOnFoundations(parent))
        return a;
    if (m.source.kind == SourceKind::Waste && via.turns > 0) {
        a.justMoved = talonCardOpenAfter(parent, rules, via.turns);
        return a;
    }
    a.justMoved = movedCard(parent, m);
    if (m.source.kind == SourceKind::Tableau) {
        const int origin = PileIndex::tableau(m.source.pile);
        const bool same = m.source.pos == 0 ? child.isEmpty(origin)
                                            : child.size(origin) == m.source.pos &&
                                                  child.top(origin) == parent.at(origin, m.source.pos - 1);
        a.changedOrigin = same ? -1 : m.source.pile;
    }
    return a;
}
} // namespace

DepthFirstSearch::DepthFirstSearch(const Rules &rules, bool autoplay, VisitedTable &visited)
    : rules_(rules), autoplay_(autoplay), keyShape_(keyShapeFor(rules, autoplay)), visited_(visited), blocked_(rules, autoplay)
{
}

bool DepthFirstSearch::outOfBudget(const PhaseLimits &limits) const
{
    if (nodes_ >= limits.maxNodes)
        return true;
    if (nodes_ % kCheckEvery != 0)
        return false;
    if (limits.stop && limits.stop->load(std::memory_order_relaxed))
        return true;
    return std::chrono::steady_clock::now() >= limits.deadline;
}

DepthFirstSearch::Keyed DepthFirstSearch::keyOf(const Position &p) const
{
    const bool talonAsRing = talonPlaceIrrelevant(p, rules_, autoplay_);
    return {positionKey(p, keyShape_, talonAsRing), talonAsRing};
}

void DepthFirstSearch::enter(const Position &p, const Keyed &keyed, const Candidate &via, const CandidateContext &c,
                             int64_t logged)
{
    const uint64_t key = keyed.key;
    visited_.insert(key);
    const bool settled = !autoplay_ || !autoPlayStep(p, rules_);
    if (!keyed.talonAsRing && settled)
        markTurnedTables(p);
    onLine_.insert(key);
    const std::size_t first = moves_.size();
    const Arrival arrival =
        stack_.empty() ? Arrival{settled, kNoCard, -1} : arrivalOf(stack_.back().position, p, rules_, via, settled);
    candidateMoves(p, c, arrival, moves_);
    stack_.push_back({p, key, via, first, first, moves_.size(), logged});
}

void DepthFirstSearch::markTurnedTables(const Position &p)
{
    // With the place in the talon part of the key, the tables that turns
    // reach before one sends a card home can only do less than this one:
    // its search covers theirs, so they count as searched too. Turning
    // changes neither the talon's cards nor the foundations, so those
    // tables keep the place in their keys as well. A table automatic play
    // has not finished with sends cards home at the first turn: its
    // caller leaves it out.
    const uint64_t home = autoplay_ ? AcceptedCards(p, rules_).anyFoundationAutomatic : 0;
    const int lastTurn = p.size(PileIndex::kStock) + p.size(PileIndex::kWaste);
    Position q = p;
    for (int turns = 1; turns <= lastTurn; ++turns) {
        const auto turn = talonTurn(q, rules_);
        if (!turn)
            return;
        apply(q, rules_, *turn);
        if (!q.isEmpty(PileIndex::kWaste) && turn->kind == MoveKind::TurnStock &&
            AcceptedCards::has(home, q.top(PileIndex::kWaste)))
            return;
        visited_.insert(positionKey(q, keyShape_, false));
    }
}

void DepthFirstSearch::leave()
{
    onLine_.erase(stack_.back().key);
    moves_.resize(stack_.back().first);
    stack_.pop_back();
}

void DepthFirstSearch::takeLine(const Candidate &last)
{
    line_.clear();
    for (std::size_t i = 1; i < stack_.size(); ++i)
        appendMoves(stack_[i - 1].position, rules_, stack_[i].via, line_);
    appendMoves(stack_.back().position, rules_, last, line_);
}

PhaseEnd DepthFirstSearch::run(const Position &root, SearchPhase phase, const PhaseLimits &limits, uint64_t shuffle)
{
    stack_.clear();
    moves_.clear();
    onLine_.clear();
    line_.clear();
    linesCut_ = false;
    if (isWon(root))
        return PhaseEnd::Won;
    if (blocked_.anyBlocked(root))
        return PhaseEnd::Exhausted;
    const CandidateContext context{rules_, autoplay_, keyShape_.sortTableau, phase, shuffle};
    enter(root, keyOf(root), Candidate{}, context, 0);
    while (!stack_.empty()) {
        Frame &top = stack_.back();
        if (top.next == top.end) {
            leave();
            continue;
        }
        if (outOfBudget(limits))
            return PhaseEnd::OutOfBudget;
        const Candidate move = moves_[top.next++];
        Position child = top.position;
        playCandidate(child, rules_, move, autoplay_);
        ++nodes_;
        // The game takes no action the log cannot hold: such a line is no
        // line to play.
        const LogRecords records = logRecordsOf(top.position, child, move, rules_.draw);
        if (top.logged + records.throughMove > limits.logRoom) {
            linesCut_ = true;
            continue;
        }
        if (isWon(child)) {
            takeLine(move);
            return PhaseEnd::Won;
        }
        if (blocked_.blockedAfter(top.position, child, move.move))
            continue;
        const Keyed keyed = keyOf(child);
        // A position on the current line is a cycle: a winning line never
        // needs to pass one twice.
        if (visited_.contains(keyed.key) || onLine_.count(keyed.key) != 0)
            continue;
        enter(child, keyed, move, context, top.logged + records.total);
    }
    return PhaseEnd::Exhausted;
}

} // namespace cardova
