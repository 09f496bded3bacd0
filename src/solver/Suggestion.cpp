#include "solver/Suggestion.h"

#include "solver/CandidateMoves.h"
#include "solver/PositionKey.h"

#include <vector>

namespace cardova {

namespace {
// The first move of the first candidate a search phase would try.
std::optional<Move> firstCandidate(const Position &p, const Rules &rules, bool autoplay, SearchPhase phase)
{
    const CandidateContext context{rules, autoplay, tableauOrderIrrelevant(rules, autoplay), phase};
    const Arrival arrival{!autoplay || !autoPlayStep(p, rules), kNoCard};
    std::vector<Candidate> candidates;
    candidateMoves(p, context, arrival, candidates);
    if (candidates.empty())
        return std::nullopt;
    std::vector<Move> moves;
    appendMoves(p, rules, candidates.front(), moves);
    if (moves.empty())
        return std::nullopt;
    return moves.front();
}
} // namespace

std::optional<Move> suggestMove(const Position &p, const Rules &rules, bool autoplay)
{
    // The quick phase's narrow choice first: its moves are the likely ones.
    for (const SearchPhase phase : {SearchPhase::Quick, SearchPhase::Exact})
        if (const auto move = firstCandidate(p, rules, autoplay, phase))
            return move;
    // Only moves the search finds pointless are left.
    MoveList legal;
    legalMoves(p, rules, legal);
    for (const Move &m : legal)
        if (m.kind != MoveKind::Card)
            return m;
    for (const Move &m : legal)
        if (m.source.kind != SourceKind::Foundation)
            return m;
    if (!legal.empty())
        return legal[0];
    return std::nullopt;
}

} // namespace cardova
