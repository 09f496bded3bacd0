#pragma once
// The words the create dialog shows for the rules beyond the eight classic
// values, and the one-sentence explanation of every choice it offers.
#include "rules/RuleKinds.h"

#include <QString>

namespace cardova::ui {

// Entry texts of the new choice lists; codes outside a list give empty text.
QString dealText(int deal);          // DealPattern
QString movesText(int moves);        // TableauMoves
QString redealsText(int redeals);    // 0, 1, 2 or kUnlimitedRedeals
QString rowCardsText(int rowCards);  // 0 = until the deck is used up
QString reserveText(int cards);      // 0 = no reserve

// What a deal pattern or a move rule does, in one sentence.
QString dealExplanation(DealPattern deal);
QString movesExplanation(TableauMoves moves);

// The sentence that explains the control of that object name; empty for a
// control the dialog does not explain.
QString choiceExplanation(const QString &objectName);

} // namespace cardova::ui
