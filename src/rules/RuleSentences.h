#pragma once
// A game record's rules beyond the eight classic values, in plain sentences,
// for the game selection and the help pages. A record that uses none of
// them has no sentences, so it reads exactly as the eight values alone.
#include "rules/GameRecord.h"

#include <QString>
#include <QStringList>

namespace cardova {

// One sentence per rule that differs from the game the eight values alone
// describe, in this order: the stock, the deal, the free cells, the reserve,
// how tableau cards move, the base card. Empty for such a game.
QStringList newRuleSentences(const GameRecord &record);

// "one" ... "twenty" for counts a player reads; digits beyond.
QString countWord(int n);

} // namespace cardova
