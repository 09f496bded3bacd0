#pragma once
#include "engine/Moves.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace cardova {

enum class Verdict : uint8_t {
    Winnable,    // the line wins
    NotWinnable, // every line was tried: none wins
    Unknown,     // the budget ran out or the caller stopped the search first
};

// How much a search may spend. The node count makes a run repeatable; the
// clock keeps an interactive one short.
struct Budget {
    uint64_t maxNodes = std::numeric_limits<uint64_t>::max();
    double maxSeconds = 10.0;
    // Memory of the table of positions already searched; a smaller table
    // only costs time.
    std::size_t tableBytes = std::size_t(64) << 20;
    // Room in the game's move log: each action of a winning line must fit
    // with the records the line logged before it, counted as the game logs
    // them. The caller keeps back what follows the last one. A search that
    // left out lines for it proves no loss.
    int64_t logRoom = std::numeric_limits<int64_t>::max();

    // A budget counted in positions only, with no clock: the same search
    // gives the same answer on every machine.
    static Budget ofNodes(uint64_t nodes)
    {
        Budget b;
        b.maxNodes = nodes;
        b.maxSeconds = std::numeric_limits<double>::infinity();
        return b;
    }
};

struct SolveResult {
    Verdict verdict = Verdict::Unknown;
    // The player's moves of a win, each followed by the automatic play the
    // game makes after it.
    std::vector<Move> line;
    uint64_t nodes = 0; // positions generated
    double seconds = 0.0;
};

// Searches for a win from position p: the player's moves are those the table
// offers (legalMoves, with the waste turned back only from an empty stock,
// where the marker that does it lies), each followed by automatic play when
// autoplay is set, as the game plays it. A set stop flag ends the search
// within a few thousand positions.
SolveResult solve(const Position &p, const Rules &rules, bool autoplay, const Budget &budget,
                  const std::atomic<bool> *stop = nullptr);

} // namespace cardova
