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
// one place to go home, so only those are judged, and only without free
// cells, where any card may leave its pile. A card goes along with the one
// below it where the move rule lets them move together. Under automatic play a
// card taken off a foundation goes straight back, so the cards at home are
// out of reach as well.
class BlockedPiles {
public:
    BlockedPiles(const Rules &rules, bool autoplay);

    bool anyBlocked(const Position &p) const;
    // After a move: the piles it put cards on, or under automatic play,
    // when cards went home, every pile.
    bool blockedAfter(const Position &before, const Position &after, const Move &m) const;

private:
    // Steps from the foundation's base, or -1 for a card that never goes
    // home (below the base with no wrap).
    int stepsFromBase(CardCode card) const;
    bool isBlocked(const Position &p, int pile, uint64_t outOfReach) const;
    uint64_t cardsHome(const Position &p) const;

    Rules rules_;
    bool applies_ = false;
    bool anyCardFillsSpace_ = false;
    bool homeIsFinal_ = false;
    std::array<uint64_t, kPositionCards> mayLieOn_{}; // cards each card may be put on
};

} // namespace cardova
