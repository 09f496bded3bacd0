#include "cli/ScoreCommands.h"

#include "cli/CliCommands.h"
#include "cli/TableJson.h"
#include "scores/cScore.h"
#include "session/GameContext.h"

#include <cstdio>

namespace cardova {

namespace {
int fail(const QString &message)
{
    std::fprintf(stderr, "cardova-cli: %s\n", qPrintable(message));
    return 2;
}

// Options and the context; nullptr (with a message printed) on bad arguments.
std::unique_ptr<GameContext> contextFor(const QStringList &args, qsizetype positional,
                                        const char *usage, CliOptions *options)
{
    QString error;
    if (!parseCliOptions(args, false, options, &error)) {
        fail(error);
        return nullptr;
    }
    if (options->positional.size() != positional) {
        fail(QString::fromLatin1(usage));
        return nullptr;
    }
    return makeCliContext(*options);
}

// "played", "won", "lost", "score", "moves", "time", without braces.
QString sumFields(const StatSum &s)
{
    return QStringLiteral("\"played\": %1, \"won\": %2, \"lost\": %3, \"score\": %4, \"moves\": %5, \"time\": %6")
        .arg(s.Played)
        .arg(s.Won)
        .arg(s.Lost)
        .arg(s.Score)
        .arg(s.Moves)
        .arg(s.Time);
}

QString namedSum(const QString &name, const StatSum &s)
{
    return QStringLiteral("{\"name\": ") + JsonText::quote(name) + QStringLiteral(", ") + sumFields(s) +
           QLatin1Char('}');
}

QString rankJson(const cScore &scores)
{
    QStringList entries;
    for (int p = 1; p <= scores.TopCount(); ++p) {
        const ScoreRec r = scores.GetTopRec(p);
        entries << QStringLiteral("{\"game\": %1, \"player\": %2, \"number\": %3, \"score\": %4, "
                                  "\"time\": %5, \"moves\": %6, \"won\": %7, \"date\": %8}")
                       .arg(JsonText::quote(r.GName), JsonText::quote(r.Player),
                            JsonText::quote(r.GNo.toText()))
                       .arg(r.Score)
                       .arg(r.Time)
                       .arg(r.Moves)
                       .arg(r.Won == 1 ? 1 : 0)
                       .arg(JsonText::quote(r.Date));
    }
    return QLatin1Char('[') + entries.join(QStringLiteral(", ")) + QLatin1Char(']');
}
} // namespace

QString statsJson(cScore &scores)
{
    const cData &data = scores.data();
    QStringList games, players;
    for (int16_t id = 1; id <= data.TotalGames(); ++id)
        games << namedSum(data.GetGName(id), scores.SumGame(data.GetGName(id)));
    for (int16_t i = 1; i <= data.TotalPlayers(); ++i)
        players << namedSum(data.GetPlayer(i), scores.SumPlayer(data.GetPlayer(i)));
    QString out = QStringLiteral("{\"records\": %1, \"skipped\": %2, \"all\": {%3}")
                      .arg(scores.ScoreTop())
                      .arg(scores.SkippedLines())
                      .arg(sumFields(scores.SumAll()));
    out += QStringLiteral(", \"games\": [") + games.join(QStringLiteral(", ")) + QLatin1Char(']');
    out += QStringLiteral(", \"players\": [") + players.join(QStringLiteral(", ")) + QLatin1Char(']');
    scores.Sort(QString(), QString(), 0);
    out += QStringLiteral(", \"topScore\": ") + rankJson(scores);
    scores.Sort(QString(), QString(), 1);
    out += QStringLiteral(", \"topWonScore\": ") + rankJson(scores);
    scores.FinSort(true, false);
    out += QStringLiteral(", \"topTime\": ") + rankJson(scores);
    scores.FinSort(false, true);
    out += QStringLiteral(", \"topMoves\": ") + rankJson(scores) + QLatin1Char('}');
    return out;
}

int runExport(const QStringList &args)
{
    CliOptions options;
    auto ctx = contextFor(args, 1, "export takes OUT", &options);
    if (!ctx)
        return 2;
    const QString out = options.positional[0];
    QString error;
    if (!ctx->scores.ExportStat(out, &error))
        return fail(QStringLiteral("cannot write %1: %2").arg(out, error));
    std::printf("Statistics Successfully Exported to %s\n", out.toUtf8().constData());
    return 0;
}

int runStats(const QStringList &args)
{
    CliOptions options;
    auto ctx = contextFor(args, 0, "stats takes no arguments besides its options", &options);
    if (!ctx)
        return 2;
    ctx->scores.OpenAllScore();
    const QString json = statsJson(ctx->scores);
    ctx->scores.CloseScore();
    std::fputs(json.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace cardova
