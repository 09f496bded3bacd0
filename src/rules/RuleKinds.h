#pragma once
#include <cstdint>

namespace cardova {

// How the tableau is dealt. Every pattern takes its cards from the top of
// the laid-out stock, so a game number deals the same cards in the same
// order whatever the pattern; only where they go differs.
enum class DealPattern : uint8_t {
    Staircase = 0,     // pile p gets p + 1 cards, the top one face up
    StaircaseOpen = 1, // the same, every card face up
    Yukon = 2,         // the staircase, then four more face-up cards on piles 2 ... n
    Rows = 3,          // face-up rows, left to right, top row first
};
constexpr int kDealPatternCount = 4;

// Which tableau cards may be taken together.
enum class TableauMoves : uint8_t {
    Single = 0,     // the top card only
    Runs = 1,       // a run keeping the run order
    FreeCellRuns = 2, // a run, no longer than the free cells and spaces could carry one card at a time
    AnyFaceUp = 3,  // any face-up card with every card lying on it
    WholePiles = 4, // the top card or the whole pile
};
constexpr int kTableauMovesCount = 5;

// The waste may be turned back without limit.
constexpr int16_t kUnlimitedRedeals = -1;

} // namespace cardova
