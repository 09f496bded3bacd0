#pragma once
#include "engine/Moves.h"

namespace cardova {

// One turn of the game: the player's move, then automatic play to its end
// when it is on (turning the waste back starts none).
inline void playTurn(Position &p, const Rules &rules, const Move &m, bool autoplay)
{
    apply(p, rules, m);
    if (!autoplay || m.kind == MoveKind::TurnWasteBack)
        return;
    while (const auto next = autoPlayStep(p, rules))
        apply(p, rules, *next);
}

inline int cardsOnFoundations(const Position &p)
{
    int home = 0;
    for (int g = 0; g < kFoundationPiles; ++g)
        home += p.size(PileIndex::foundation(g));
    return home;
}

// Every card lies on a foundation.
inline bool isWon(const Position &p) { return cardsOnFoundations(p) == kPositionCards; }

} // namespace cardova
