#pragma once
#include "engine/Moves.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace cardova {

struct CandidateContext;
class QuickTalonCards;

// A move of the search: a number of turns of the talon (the stock's top
// cards to the waste, or the waste back from an empty stock), then the
// player's move. The turns are only those that send no card home, so
// automatic play has nothing to do after them; a turn that does send one
// is the move.
struct Candidate {
    Move move;
    uint8_t turns = 0;
};

// The turn of the talon the table offers: the stock's top cards while the
// stock holds one, else the waste back while a turn-back is left.
std::optional<Move> talonTurn(const Position &p, const Rules &rules);

// The card lying open on the waste after that many turns of the talon
// (none after the waste is turned back), each turn laying the game's draw
// count; turns at most up to the second turn back.
CardCode talonCardOpenAfter(const Position &p, const Rules &rules, int turns);

// Plays the candidate's turns of the talon, then its move followed by
// automatic play.
void playCandidate(Position &p, const Rules &rules, const Candidate &c, bool autoplay);

// The player's moves a candidate stands for, appended to line.
void appendMoves(Position p, const Rules &rules, const Candidate &c, std::vector<Move> &line);

// Appends the candidates that turn the talon first, up to the first table
// that repeats an earlier one. Turning sends nothing
// home as long as no turned card fits a foundation; until then only the
// waste's top card has new moves, since any other move could be made
// before the turns with the same result. The first turn that sends a card
// home is a candidate of its own, and the search goes on from there.
// plain are p's candidates without turns: under automatic play, the exact
// phase also tries, after each turn, those of them that send cards home, as
// automatic play then sees another waste card. quick, when given, picks the
// talon cards played to the tableau. settled: automatic play has nothing
// left to do in p.
void talonCandidates(const Position &p, const CandidateContext &c, bool settled, std::size_t plainFirst,
                     const QuickTalonCards *quick, std::vector<Candidate> &out);

} // namespace cardova
