#pragma once
// The words the hint uses for a move.
#include "engine/Moves.h"

#include <QString>

namespace cardova::ui {

// "Seven of Hearts to pile 3", "Ace of Spades to a foundation", "Two of
// Clubs from cell 1 to pile 4", "turn the stock": the move as a player would
// say it, piles and cells counted from 1.
QString moveText(const Position &p, const Move &m);

} // namespace cardova::ui
