#pragma once
#include "engine/Moves.h"
#include "solver/TalonMoves.h"

#include <vector>

namespace cardova {

// Which moves a search phase tries.
enum class SearchPhase : uint8_t {
    // A narrow search for a quick win (see QuickPhaseRules.h). Its failures
    // prove nothing.
    Quick,
    // Every move the table offers but the pointless ones; when it finds
    // nothing the position is lost.
    Exact,
};

struct CandidateContext {
    const Rules &rules;
    bool autoplay;
    // The tableau piles, and the cells, are each alike (see PositionKey.h).
    bool tableauOrderIrrelevant;
    SearchPhase phase;
    // Nonzero: moves of one rank are tried in an order drawn from this seed
    // instead of the engine's, so a new run of the search goes another way.
    uint64_t shuffle = 0;
};

// What the search knows of a position as it enters it.
struct Arrival {
    // Automatic play has nothing left to do (always so with it off); only
    // a game's first table may be otherwise.
    bool settled = true;
    // A card the move into the position laid on a pile while no card went
    // home, or kNoCard: moving it on at once is left out, since the move
    // before could have taken it there directly, with the same cards open
    // when automatic play looks.
    CardCode justMoved = kNoCard;
    // The tableau pile justMoved came from when that move changed what lies
    // there (turned a card up, or the reserve filled the space), else -1:
    // moving the card back there is a table of its own.
    int changedOrigin = -1;
};

// The card a card move takes (the lowest of a run).
CardCode movedCard(const Position &p, const Move &m);

// Appends the moves to try from p to out, the likeliest first: moves to a
// foundation, moves that turn a card up, other card moves, then the moves
// made after turning the talon, the fewest turns first.
void candidateMoves(const Position &p, const CandidateContext &c, const Arrival &arrival,
                    std::vector<Candidate> &out);

} // namespace cardova
