#pragma once
// The "Start from:" list of the create dialog: the wizard's own preselection,
// the standard games, the classics and the player's games, each of which
// fills every choice with its record.
#include "rules/GameRecord.h"

#include <QString>

class QComboBox;

namespace cardova {
class cCustom;
class cData;
} // namespace cardova

namespace cardova::ui {

// Fills the list, the preselection first and selected, each group after a
// separator.
void fillStartFrom(QComboBox &combo, const cData &data);

// The record of the selected entry; empty text on success, else why the
// player's game cannot be read (the record is then left as it was).
QString startRecord(const QComboBox &combo, const cCustom &custom, GameRecord *record);

} // namespace cardova::ui
