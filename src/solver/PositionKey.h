#pragma once
#include "engine/Position.h"
#include "engine/Rules.h"

#include <cstdint>

namespace cardova {

// The finishing step of splitmix64: every input bit reaches every output bit.
constexpr uint64_t mix64(uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    x ^= x >> 31;
    return x;
}

// True when positions that differ only in the order of their tableau piles
// are worth the same. The move rules treat every tableau pile alike; only
// automatic play scans the piles in order, and that order changes nothing
// when each card has one foundation place (same-suit foundations built one
// way): automatic play then moves the same cards whatever the scan order.
bool tableauOrderIrrelevant(const Rules &rules, bool autoplay);

// True when it does not matter which talon card lies open: the waste turns
// back without limit and the stock turns one card at a time, so a round of
// turns reaches every card from any one, and no turn
// of the round sends a card home (automatic play is off, or no talon card
// fits a foundation), so the round changes nothing else.
bool talonPlaceIrrelevant(const Position &p, const Rules &rules, bool autoplay);

// Which piles a key takes as a set rather than in order.
struct KeyShape {
    bool sortTableau = false;
    // With foundations built by suit, empty foundations are all alike and
    // every other one takes only its own suit, so which foundation holds a
    // suit never matters to a move or to automatic play.
    bool sortFoundations = false;
    // The free cells are all alike to the move rules; automatic play scans
    // them in order, which matters no more than the tableau's order.
    bool sortCells = false;
};

KeyShape keyShapeFor(const Rules &rules, bool autoplay);

// A 64-bit key of a position for the table of searched positions: the
// tableau piles, the foundations and the cells as sets as the shape says;
// the talon as its cards in turning order, with the place reached in them
// unless talonAsRing; every other pile as it is; the turn-backs left.
uint64_t positionKey(const Position &p, KeyShape shape, bool talonAsRing = false);

} // namespace cardova
