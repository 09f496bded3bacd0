#pragma once
#include "solver/BlockedPiles.h"
#include "solver/CandidateMoves.h"
#include "solver/Solver.h"
#include "solver/PositionKey.h"
#include "solver/VisitedTable.h"

#include <chrono>
#include <limits>
#include <unordered_set>
#include <vector>

namespace cardova {

// What ended one search phase.
enum class PhaseEnd : uint8_t { Won, Exhausted, OutOfBudget };

// The limits one phase runs under, with the clock read every few thousand
// positions.
struct PhaseLimits {
    uint64_t maxNodes;
    std::chrono::steady_clock::time_point deadline;
    const std::atomic<bool> *stop;
    // The move log's room for the line (Budget::logRoom).
    int64_t logRoom = std::numeric_limits<int64_t>::max();
};

// A depth-first search with its own stack, so a line of thousands of moves
// needs no deep recursion. Every position entered goes into the visited
// table and is never entered again while its key stays there; positions on
// the current line are kept apart as well, so a lost table entry can never
// lead the search round a cycle.
class DepthFirstSearch {
public:
    DepthFirstSearch(const Rules &rules, bool autoplay, VisitedTable &visited);

    // A seed other than 0 tries the moves of one rank in another order.
    PhaseEnd run(const Position &root, SearchPhase phase, const PhaseLimits &limits, uint64_t shuffle = 0);

    // The winning line after PhaseEnd::Won.
    const std::vector<Move> &line() const { return line_; }
    uint64_t nodes() const { return nodes_; }
    // The last run left out a line the move log could not hold: an
    // exhausted run then proves nothing.
    bool linesCut() const { return linesCut_; }

private:
    struct Frame {
        Position position;
        uint64_t key;
        Candidate via;      // the move that led here
        std::size_t first;  // this frame's candidates in moves_
        std::size_t next;   // the next one to try
        std::size_t end;    // one past this frame's candidates
        int64_t logged;     // log records of the line up to here
    };

    // A position's key, and whether it leaves out the place in the talon.
    struct Keyed {
        uint64_t key;
        bool talonAsRing;
    };

    bool outOfBudget(const PhaseLimits &limits) const;
    Keyed keyOf(const Position &p) const;
    void enter(const Position &p, const Keyed &keyed, const Candidate &via, const CandidateContext &c,
               int64_t logged);
    void markTurnedTables(const Position &p);
    void leave();
    void takeLine(const Candidate &last);

    const Rules &rules_;
    bool autoplay_;
    KeyShape keyShape_;
    VisitedTable &visited_;
    BlockedPiles blocked_;
    std::vector<Frame> stack_;
    std::vector<Candidate> moves_; // the candidates of every frame, stacked
    std::unordered_set<uint64_t> onLine_;
    std::vector<Move> line_;
    uint64_t nodes_ = 0;
    bool linesCut_ = false;
};

} // namespace cardova
