// "cardova-cli add-game": writes a classic game's record as a designed game,
// the file the game wizard writes, so deal, play and solve find it by name.
#include "cli/CliCommands.h"

#include "rules/ClassicGames.h"
#include "session/GameContext.h"

#include <QFile>
#include <cstdio>

namespace cardova {

namespace {
void printClassics()
{
    std::fputs("The classic games are:\n", stderr);
    for (const ClassicGame &g : classicGames())
        std::fprintf(stderr, "  %s\n", g.name);
}
} // namespace

int runAddGame(const QStringList &args)
{
    CliOptions options;
    if (const auto stop = parseCliOptions(QStringLiteral("add-game"), args, &options))
        return *stop;
    if (options.positional.size() != 1)
        return cliFail(QStringLiteral("add-game takes NAME"));
    const QString name = options.positional[0];
    const auto record = classicRecord(name);
    if (!record) {
        const int status = cliFail(QStringLiteral("\"%1\" is not a classic game").arg(name));
        printClassics();
        return status;
    }
    auto ctx = makeCliContext(options);
    // A game of that name the player designed otherwise is kept: adding a
    // classic never overwrites another game's rules.
    if (QFile::exists(ctx->custom.gameFilePath(name))) {
        GameRecord existing;
        if (!ctx->custom.LoadRecord(name, &existing).isEmpty() || !(existing == *record))
            return cliFail(QStringLiteral("a game named \"%1\" with other rules exists already; it is kept").arg(name));
    } else if (const QString problem = ctx->custom.SaveGame(name, *record); !problem.isEmpty()) {
        return cliFail(QStringLiteral("the game could not be saved: %1").arg(problem));
    }
    printLine(name);
    return 0;
}

} // namespace cardova
