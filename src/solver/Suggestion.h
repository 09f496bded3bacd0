#pragma once
#include "engine/Moves.h"

#include <optional>

namespace cardova {

// A move worth trying where no win is known: the move the search itself
// would try first from p (a card home, a card turned up, ... as it ranks
// them), else any move the table offers, turning the talon before taking a
// card back off a foundation. None only when p offers no move at all.
std::optional<Move> suggestMove(const Position &p, const Rules &rules, bool autoplay);

} // namespace cardova
