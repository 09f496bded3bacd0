#include "ui/dialogs/GameRulesText.h"

#include "rules/RuleSentences.h"
#include "rules/StandardGames.h"
#include "settings/cCustom.h"

namespace cardova::ui {

RulesTexts rulesTexts(cCustom &custom, const QString &gName)
{
    const QString problem = custom.InitGame(gName);
    if (!problem.isEmpty()) {
        RulesTexts t;
        t.name = gName;
        t.problem = problem;
        return t;
    }
    return rulesTexts(gName, custom.record());
}

RulesTexts rulesTexts(const QString &gName, const GameRecord &r)
{
    RulesTexts t;
    t.name = gName;
    t.gOrder = QStringLiteral("Card Arranging Order : ") + OrderText(r.gOrder);
    t.gBase = QStringLiteral("Base Card : ") + BaseCardText(r.gBase);
    t.gCards = QStringLiteral("Initial Cards : ") + QString::number(r.gCards);
    t.hPiles = QStringLiteral("No. of Piles : ") + QString::number(r.hPiles);
    t.hOrder = QStringLiteral("Card Arranging Order : ") + OrderText(r.hOrder);
    t.hSpace = QStringLiteral("Space Filling Card : ") + SpaceCardText(r.hSpace);
    t.hAK = QStringLiteral("Ace-King Wrapping : ") + BoolText(r.hAk);
    t.hMulti = QStringLiteral("Multi Card Move : ") + BoolText(r.hMulti);
    t.moreRules = newRuleSentences(r);
    return t;
}

} // namespace cardova::ui
