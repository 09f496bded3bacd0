#pragma once
#include "engine/Moves.h"

#include <array>
#include <cstdint>

namespace cardova {

// Finds tableau piles that can never be cleared: a card that can leave its
// pile neither for a foundation (a lower card of its suit lies under it)
// nor for another pile (every card it may lie on lies under it too, and no
// space takes it). The card under it can then never come out, and the game
// is lost whatever is played. Only foundations built by suit give a card
// one place to go home, so only those are judged.
class BlockedPiles {
public:
    explicit BlockedPiles(const Rules &rules);

    // Whether the rules let a pile be judged at all.
    bool applies() const { return applies_; }
    bool isBlocked(const Position &p, int pile) const;
    bool anyBlocked(const Position &p) const;

private:
    // Steps from the foundation's base, or -1 for a card that never goes
    // home (below the base with no wrap).
    int stepsFromBase(CardCode card) const;

    Rules rules_;
    bool applies_ = false;
    bool anyCardFillsSpace_ = false;
    std::array<uint64_t, kPositionCards> mayLieOn_{}; // cards each card may be put on
};

} // namespace cardova
