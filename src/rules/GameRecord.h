#pragma once
#include "rules/RuleCodes.h"
#include "rules/RuleKinds.h"

#include <cstdint>

namespace cardova {

// What defines a game. The first eight values are the classic record; the
// rest extend it, and their defaults are the game those eight alone describe.
// Built-in games have fixed records; designed games store theirs in a ".gam"
// file.
struct GameRecord {
    int32_t gOrder = 0; // foundation building order code
    int32_t gBase = 0;  // foundation base rank code, or kRandomBase
    int16_t gCards = 0; // foundations that start with their base card
    int32_t hOrder = 4; // tableau building order code
    int16_t hSpace = kAnyRank; // rank that may fill an empty tableau pile, or kAnyRank
    int16_t hPiles = 7; // tableau piles
    int16_t hAk = 1;    // tableau ace-king wrap
    int16_t hMulti = 1; // runs may be moved on the tableau

    int16_t draw = 1;                     // stock cards turned per click
    int16_t redeals = kUnlimitedRedeals;  // times the waste may be turned back
    bool stock = true;                    // false: every card is dealt, no stock
    DealPattern deal = DealPattern::Staircase;
    int16_t rowCards = 0;                 // Rows: cards per pile, 0 = until the deck is used up
    int16_t cells = 0;                    // free cells
    int16_t cellCards = 0;                // cells that receive a card in the deal
    int16_t reserveCards = 0;             // cards of the one reserve pile, 0 = no reserve
    bool reserveFills = false;            // a tableau space is filled from the reserve at once
    TableauMoves moves = TableauMoves::Runs; // with hMulti 0: Single
    bool baseFromDeal = false;            // the first card dealt to a foundation sets the base

    bool operator==(const GameRecord &) const = default;

    // True when the record uses nothing beyond the eight classic values.
    bool isClassic() const;
    // The tableau move rule in force: hMulti 0 means single cards whatever moves says.
    TableauMoves tableauMoves() const { return hMulti == 0 ? TableauMoves::Single : moves; }
};

// Limits of a playable record; a record outside them is refused when
// loaded, because the engine cannot deal or play it soundly.
namespace RecordLimits {
constexpr int kMinPiles = 1;
constexpr int kMaxPiles = 10;
// The classic record's pile counts, which the games wizard offers.
constexpr int kWizardMinPiles = 4;
constexpr int kWizardMaxPiles = 9;
// Foundations build one way only; the tableau may take every order.
constexpr int kMaxFoundationOrder = int(OrderCode::DownRegardless);
constexpr int kMaxTableauOrder = int(OrderCode::UpOrDownRegardless);
// Ranks Ace (0) to King (12), then the code that names none.
constexpr int kMaxRank = kAnyRank;
static_assert(kAnyRank == kRandomBase, "one rank code names no rank in both fields");
constexpr int kMaxInitialCards = 4;
constexpr int kMaxDraw = 3;
constexpr int kMaxRedeals = 2;
constexpr int kMaxCells = 8;
constexpr int kMaxReserveCards = 20;
constexpr int kMaxRowCards = 20;
} // namespace RecordLimits

// Cards the record's deal lays out before the stock takes the rest: the
// foundations' starting cards, the reserve, the cells and the tableau.
int dealtCards(const GameRecord &r);

// Empty when the record is playable, else a sentence naming the first bad value.
const char *recordProblem(const GameRecord &r);

} // namespace cardova
