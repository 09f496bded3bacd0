#pragma once
#include "rules/GameRecord.h"

#include <QByteArray>
#include <QString>

namespace cardova {

// The rules beyond the eight numbers of a ".gam" line, written after them
// on the same line as "name=value" fields: "0,0,0,4,13,8,0,1,stock=none,
// deal=rows,cells=4,moves=freecell". A reader of the eight numbers alone
// ignores them; a field left out keeps the eight numbers' own game, so a
// game that uses no new rule is written as the eight numbers only. Names and
// values are words, so a later rule (a second deck, a stock dealt in rows)
// adds a name or a value without breaking the line.

// Applies one field to the record. Empty on success, else the reason: an
// unknown name or value is refused rather than played as another game.
QString applyRuleField(const QByteArray &field, GameRecord *record);

// The fields a record needs beyond its eight numbers, each with a leading
// comma; empty for a record the eight numbers describe.
QByteArray ruleFieldsText(const GameRecord &record);

} // namespace cardova
