#pragma once
// Move lists in one fixed order, so two lists of the same moves compare equal.
#include "engine/Moves.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace cardova::test {

inline auto moveKey(const Move &m)
{
    return std::make_tuple(int(m.kind), int(m.source.kind), int(m.source.pile), int(m.source.pos),
                           int(m.target.kind), int(m.target.pile));
}

inline std::vector<Move> sorted(std::vector<Move> moves)
{
    std::sort(moves.begin(), moves.end(), [](const Move &a, const Move &b) { return moveKey(a) < moveKey(b); });
    return moves;
}

} // namespace cardova::test
