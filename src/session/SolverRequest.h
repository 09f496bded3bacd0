#pragma once
#include "engine/Moves.h"
#include "engine/Position.h"
#include "engine/Rules.h"

#include <cstdint>
#include <vector>

namespace cardova {

class GameContext;

// A question for the solver about the table as it stands: a copy of the
// position and the rules, so the search never touches the live table.
struct SolverRequest {
    uint64_t game = 0; // serial of the game on the table: a new deal starts over
    int logPos = 0;    // the move log's position (TransPos)
    // line[p] names the log's first p records, p = 0 ... logPos: two states
    // share a prefix exactly when they share its fingerprint, which tells a
    // redo (the same line) from a new move after an undo (a new line).
    std::vector<uint64_t> line;
    Position position{};
    Rules rules{};
    bool autoplay = false;
    int logRoom = 0; // records left in the log for a line (lineLogRoom)
};

// The request for the table of ctx, tagged with the game serial.
SolverRequest solverRequest(const GameContext &ctx, uint64_t game);

// The fingerprints of the log's prefixes up to its current position.
std::vector<uint64_t> logLine(const GameContext &ctx);

} // namespace cardova
