#pragma once
// Which help page a topic opens, and the rules page written for a designed
// game from its record. Topics are game ids: 1 "Klondike", 2 "Klondike
// Plus", 3 "Lawn", 4 and up the designed games; 0 (a name that is no game)
// opens the contents.
#include "rules/GameRecord.h"

#include <QString>
#include <QUrl>

namespace cardova {
class cData;
}

namespace cardova::ui {

// Scheme of the generated pages: "cardova-game:" and the game name in
// URL-safe base64.
extern const QString kGameScheme;

QUrl contentsUrl();
int helpTopic(const cData &data, const QString &gName);
// The page of a topic; `gName` names the designed game of topics 4 and up.
QUrl topicUrl(int topic, const QString &gName);
// The game a generated page's address stands for.
QString gameOfUrl(const QUrl &url);
// The bundled page of a classic game (its rules as the classic plays them);
// empty for any other name.
QUrl classicPageUrl(const QString &gName);

// The rules page of a designed game, in the words of the game wizard, with
// a sentence for each rule beyond the eight values.
QString customRulesHtml(const QString &gName, const GameRecord &record);
// Shown instead when the game's file cannot be read.
QString unreadableGameHtml(const QString &gName, const QString &problem);

} // namespace cardova::ui
