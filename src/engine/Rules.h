#pragma once
#include "engine/Position.h"
#include "rules/RuleCodes.h"
#include "rules/RuleKinds.h"

#include <cstdint>

namespace cardova {

// What the move rules read of the game on the table, as plain values, so the
// move functions need neither the game loader nor the table.
struct Rules {
    OrderCode tableauOrder = OrderCode::DownAlternateColor;
    bool tableauWrap = false;
    TableauMoves moves = TableauMoves::Runs;
    OrderCode multiOrder = OrderCode::DownAlternateColor; // order a moved run must keep
    int16_t emptyRank = kAnyRank;                         // rank that fills a space, or kAnyRank
    OrderCode foundationOrder = OrderCode::UpSameSuit;
    bool foundationWrap = false;
    int16_t baseRank = 0; // rank an empty foundation takes in this deal
    uint8_t tableauPiles = 7;
    uint8_t reservePiles = 0;
    uint8_t cells = 0;             // free cells
    bool reserveFillsSpaces = false; // an emptied tableau pile takes the reserve's top at once
    bool hasStock = true;
    bool hasWaste = true;
    uint8_t draw = 1;           // cards a turn of the stock lays on the waste
    bool wasteTurnsBack = true; // the stock marker turns the waste back
    // Turn-backs a deal starts with, kUnlimitedTurnBacks for no limit; the
    // position counts down what is left.
    uint8_t turnBacks = kUnlimitedTurnBacks;

    bool multiMove() const { return moves != TableauMoves::Single; }
};

// Foundations built by suit, one way: every card has one place to go home.
inline bool foundationsBySuit(const Rules &r)
{
    return r.foundationOrder == OrderCode::UpSameSuit || r.foundationOrder == OrderCode::DownSameSuit;
}

} // namespace cardova
