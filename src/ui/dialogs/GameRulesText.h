#pragma once
// The rules summary of one game as the selection dialog shows it.
#include "rules/GameRecord.h"

#include <QString>
#include <QStringList>

namespace cardova {
class cCustom;
}

namespace cardova::ui {

struct RulesTexts {
    QString name;
    QString gOrder, gBase, gCards;
    QString hPiles, hOrder, hSpace, hAK, hMulti;
    // The rules beyond the eight values, one plain sentence each; empty for
    // a game of the eight values alone.
    QStringList moreRules;
    // Why the game cannot be read (a damaged or missing file); the rule
    // texts are then empty.
    QString problem;
};

// Loads the game's record for display (the game on the table keeps its
// rules) and builds the label texts.
RulesTexts rulesTexts(cCustom &custom, const QString &gName);
// The label texts of a record at hand (a classic not added yet).
RulesTexts rulesTexts(const QString &gName, const GameRecord &record);

} // namespace cardova::ui
