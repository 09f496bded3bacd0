#include "ui/dialogs/GameRulesText.h"

#include "rules/StandardGames.h"
#include "settings/cCustom.h"

namespace cardova::ui {

RulesTexts rulesTexts(cCustom &custom, const QString &gName)
{
    RulesTexts t;
    t.name = gName;
    t.problem = custom.InitGame(gName);
    if (!t.problem.isEmpty())
        return t;
    const GameRecord &r = custom.record();
    t.gOrder = QStringLiteral("Card Arranging Order : ") + OrderText(r.gOrder);
    t.gBase = QStringLiteral("Base Card : ") + BaseCardText(r.gBase);
    t.gCards = QStringLiteral("Initial Cards : ") + QString::number(r.gCards);
    t.hPiles = QStringLiteral("No. of Piles : ") + QString::number(r.hPiles);
    t.hOrder = QStringLiteral("Card Arranging Order : ") + OrderText(r.hOrder);
    t.hSpace = QStringLiteral("Space Filling Card : ") + SpaceCardText(r.hSpace);
    t.hAK = QStringLiteral("Ace-King Wrapping : ") + BoolText(r.hAk);
    t.hMulti = QStringLiteral("Multi Card Move : ") + BoolText(r.hMulti);
    return t;
}

} // namespace cardova::ui
