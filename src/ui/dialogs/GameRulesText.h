#pragma once
// The rules summary of one game as the selection dialog shows it.
#include <QString>

namespace cardova {
class cCustom;
}

namespace cardova::ui {

struct RulesTexts {
    QString name;
    QString gOrder, gBase, gCards;
    QString hPiles, hOrder, hSpace, hAK, hMulti;
    // Why the game cannot be read (a damaged or missing file); the rule
    // texts are then empty.
    QString problem;
};

// Loads the game's record for display (the game on the table keeps its
// rules) and builds the label texts.
RulesTexts rulesTexts(cCustom &custom, const QString &gName);

} // namespace cardova::ui
