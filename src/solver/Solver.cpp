#include "solver/Solver.h"

#include "solver/DepthFirstSearch.h"

#include <algorithm>
#include <cmath>

namespace cardova {

namespace {
// Most wins are found by the quick phase, and most losses it can prove are
// proved early (a small search space runs out in either phase), so the quick
// phase gets three quarters of the budget and the exact phase the rest.
constexpr double kQuickShare = 0.75;
// Positions of the first quick run; each further run gets twice as many.
constexpr uint64_t kFirstQuickRun = 5000;

std::chrono::steady_clock::time_point deadlineAfter(std::chrono::steady_clock::time_point start, double seconds)
{
    // Beyond a year is as good as never, and keeps the clock arithmetic sane.
    constexpr double kNever = 3.0e7;
    const double s = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kNever) : kNever;
    return start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(s));
}
// The quick search runs again and again, each time with twice the positions
// and another order within each rank of moves: a search that went astray
// early is left for a fresh start rather than searched to its end. Only
// the first run keeps the engine's order. A run that exhausts the narrow
// search ends the phase, as no order can find more.
PhaseEnd quickPhase(DepthFirstSearch &search, VisitedTable &visited, const Position &p, const PhaseLimits &limits)
{
    uint64_t run = kFirstQuickRun;
    for (uint64_t seed = 0;; ++seed) {
        PhaseLimits slice = limits;
        slice.maxNodes = std::min(limits.maxNodes, search.nodes() + run);
        const PhaseEnd end = search.run(p, SearchPhase::Quick, slice, seed);
        // Short of the slice's positions, the clock or the stop ended it.
        if (end != PhaseEnd::OutOfBudget || search.nodes() < slice.maxNodes || slice.maxNodes == limits.maxNodes)
            return end;
        visited.newSearch();
        run *= 2;
    }
}
} // namespace

SolveResult solve(const Position &p, const Rules &rules, bool autoplay, const Budget &budget,
                  const std::atomic<bool> *stop)
{
    const auto start = std::chrono::steady_clock::now();
    SolveResult result;
    VisitedTable visited(budget.tableBytes);
    DepthFirstSearch search(rules, autoplay, visited);
    auto finish = [&](Verdict verdict) {
        result.verdict = verdict;
        if (verdict == Verdict::Winnable)
            result.line = search.line();
        result.nodes = search.nodes();
        result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    };

    const PhaseLimits quick{std::max<uint64_t>(uint64_t(double(budget.maxNodes) * kQuickShare), 1),
                            deadlineAfter(start, budget.maxSeconds * kQuickShare), stop, budget.logRoom};
    const PhaseEnd first = quickPhase(search, visited, p, quick);
    if (first == PhaseEnd::Won)
        return finish(Verdict::Winnable);
    if (stop && stop->load())
        return finish(Verdict::Unknown);

    visited.newSearch();
    const PhaseLimits exact{budget.maxNodes, deadlineAfter(start, budget.maxSeconds), stop, budget.logRoom};
    switch (search.run(p, SearchPhase::Exact, exact)) {
    case PhaseEnd::Won: return finish(Verdict::Winnable);
    case PhaseEnd::Exhausted: return finish(search.linesCut() ? Verdict::Unknown : Verdict::NotWinnable);
    case PhaseEnd::OutOfBudget: break;
    }
    return finish(Verdict::Unknown);
}

} // namespace cardova
