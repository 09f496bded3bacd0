#include "session/NamedGame.h"

#include "rules/ClassicGames.h"
#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "settings/cData.h"
#include "common/PrintableText.h"

#include <QFile>
#include <QStringList>

namespace cardova {

namespace {
// Every game the player can choose now: built-in, then designed.
QStringList listedGames(const GameContext &ctx)
{
    QStringList names;
    for (int id = 1; id <= kStandardGameCount; ++id)
        names << standardGameName(id);
    for (int i = 0; i < ctx.custom.TotalGames(); ++i)
        names << ctx.custom.gName(i);
    return names;
}

// The exact name if present, else the only one equal with case ignored.
QString matchName(const QStringList &names, const QString &asked)
{
    if (names.contains(asked))
        return asked;
    QString found;
    for (const QString &name : names)
        if (name.compare(asked, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty())
                return {}; // "klondike" for both "Klondike" and "KLONDIKE": not a guess to make
            found = name;
        }
    return found;
}

QStringList classicNames()
{
    QStringList names;
    for (const ClassicGame &g : classicGames())
        names << QString::fromLatin1(g.name);
    return names;
}
} // namespace

NamedGame findNamedGame(GameContext &ctx, const QString &asked)
{
    NamedGame result;
    ctx.custom.RefreshList();
    result.name = matchName(listedGames(ctx), asked);
    if (!result.name.isEmpty())
        return result;
    const QString classic = matchName(classicNames(), asked);
    if (classic.isEmpty()) {
        result.problem = printableText(QStringLiteral("There is no game named \"%1\".").arg(asked));
        return result;
    }
    return addClassicGame(ctx, classic);
}

NamedGame addClassicGame(GameContext &ctx, const QString &classic)
{
    NamedGame result;
    const auto record = classicRecord(classic);
    if (!record) {
        result.problem = printableText(QStringLiteral("There is no game named \"%1\".").arg(classic));
        return result;
    }
    // A file of that name, even one the list could not read, is kept as it is.
    ctx.custom.RefreshList();
    if (QFile::exists(ctx.custom.gameFilePath(classic))) {
        result.problem = printableText(
            QStringLiteral("The classic game \"%1\" was not added because a file of that name exists already.")
                .arg(classic));
        return result;
    }
    if (const QString problem = ctx.custom.SaveGame(classic, *record); !problem.isEmpty()) {
        result.problem = QStringLiteral("The classic game \"%1\" could not be added: %2.").arg(classic, problem);
        return result;
    }
    ctx.custom.Init(); // the game lists show the new game
    result.name = classic;
    result.added = true;
    return result;
}

QStringList classicsNotAdded(const cData &data)
{
    QStringList names;
    for (const ClassicGame &g : classicGames()) {
        const QString name = QString::fromLatin1(g.name);
        if (data.GetGameID(name) == 0)
            names << name;
    }
    return names;
}

} // namespace cardova
