#pragma once
#include "engine/Moves.h"

namespace cardova {

struct CandidateContext;

// The narrow rules of the quick phase: moves a quick search leaves out
// because they seldom lead anywhere. Its failures prove nothing, so these
// need not be exact, only good at keeping the search on likely lines.

// A card move the quick phase leaves out:
// - a card taken back off a foundation;
// - a run leaving its pile without turning a card up, emptying the pile or
//   freeing the card under it for a foundation, but under the free-cell and
//   the Yukon rule a run going onto another pile's card;
// - emptying a pile while no card that could fill the space waits
//   anywhere it would gain from moving;
// - a whole pile moved onto an empty one.
bool quickPhaseSkips(const Position &p, const Move &m, const CandidateContext &c);

// Which talon cards the quick phase plays to the tableau. A card that stays
// reachable in the talon (the waste turns back without limit, one card at a
// time) can be played later just as well; it is worth playing now only when a card could be laid on it: the
// lowest face-up card of a pile, which would move with its run, or a talon
// card.
class QuickTalonCards {
public:
    QuickTalonCards(const Position &p, const CandidateContext &c);
    bool plays(CardCode card) const;

private:
    uint64_t mayBeLaidOn_ = 0; // the cards that could come onto a played one
    OrderCode order_;
    bool wrap_;
    bool playsAll_;
};

} // namespace cardova
