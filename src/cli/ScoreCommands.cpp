#include "cli/ScoreCommands.h"

#include "cli/CliCommands.h"
#include "scores/cScore.h"
#include "session/GameContext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace cardova {

namespace {
int fail(const QString &message)
{
    std::fprintf(stderr, "cardova-cli: %s\n", qPrintable(message));
    return 2;
}

// Options and the context; nullptr, with the help or the error printed and
// STATUS set to the exit status, when the command is not to run.
std::unique_ptr<GameContext> contextFor(const QString &command, const QStringList &args, qsizetype positional,
                                        const char *usage, CliOptions *options, int *status)
{
    if (const auto stop = parseCliOptions(command, args, options)) {
        *status = *stop;
        return nullptr;
    }
    if (options->positional.size() != positional) {
        *status = fail(QString::fromLatin1(usage));
        return nullptr;
    }
    return makeCliContext(*options);
}

// "played", "won", "lost", "score", "moves", "time" of a summary.
QJsonObject sumObject(const StatSum &s)
{
    return {{QStringLiteral("played"), s.Played}, {QStringLiteral("won"), s.Won},
            {QStringLiteral("lost"), s.Lost},     {QStringLiteral("score"), s.Score},
            {QStringLiteral("moves"), s.Moves},   {QStringLiteral("time"), s.Time}};
}

QJsonObject namedSum(const QString &name, const StatSum &s)
{
    QJsonObject o = sumObject(s);
    o.insert(QStringLiteral("name"), name);
    return o;
}

QJsonArray rankArray(const cScore &scores)
{
    QJsonArray entries;
    for (int p = 1; p <= scores.TopCount(); ++p) {
        const ScoreRec r = scores.GetTopRec(p);
        entries.append(QJsonObject{{QStringLiteral("game"), r.GName},
                                   {QStringLiteral("player"), r.Player},
                                   {QStringLiteral("number"), r.GNo.toText()},
                                   {QStringLiteral("score"), r.Score},
                                   {QStringLiteral("time"), r.Time},
                                   {QStringLiteral("moves"), r.Moves},
                                   {QStringLiteral("won"), r.Won == 1 ? 1 : 0},
                                   {QStringLiteral("date"), r.Date}});
    }
    return entries;
}
} // namespace

QString statsJson(cScore &scores)
{
    const cData &data = scores.data();
    QJsonArray games, players;
    for (int16_t id = 1; id <= data.TotalGames(); ++id)
        games.append(namedSum(data.GetGName(id), scores.SumGame(data.GetGName(id))));
    for (int16_t i = 1; i <= data.TotalPlayers(); ++i)
        players.append(namedSum(data.GetPlayer(i), scores.SumPlayer(data.GetPlayer(i))));
    QJsonObject out{{QStringLiteral("records"), scores.ScoreTop()},
                    {QStringLiteral("skipped"), qint64(scores.SkippedLines())},
                    {QStringLiteral("unreadable"), QJsonArray::fromStringList(scores.UnreadableFiles())},
                    {QStringLiteral("all"), sumObject(scores.SumAll())},
                    {QStringLiteral("games"), games},
                    {QStringLiteral("players"), players}};
    scores.Sort(QString(), QString(), 0);
    out.insert(QStringLiteral("topScore"), rankArray(scores));
    scores.Sort(QString(), QString(), 1);
    out.insert(QStringLiteral("topWonScore"), rankArray(scores));
    scores.FinSort(true, false);
    out.insert(QStringLiteral("topTime"), rankArray(scores));
    scores.FinSort(false, true);
    out.insert(QStringLiteral("topMoves"), rankArray(scores));
    return QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact));
}

int runExport(const QStringList &args)
{
    CliOptions options;
    int status = 0;
    auto ctx = contextFor(QStringLiteral("export"), args, 1, "export takes OUT", &options, &status);
    if (!ctx)
        return status;
    const QString out = options.positional[0];
    QString error;
    QStringList unreadable;
    if (!ctx->scores.ExportStat(out, &error, &unreadable))
        return fail(QStringLiteral("cannot write %1: %2").arg(out, error));
    std::printf("Statistics Successfully Exported to %s\n", out.toUtf8().constData());
    if (!unreadable.isEmpty())
        std::fprintf(stderr, "cardova-cli: these score files could not be read and are missing from the export: %s\n",
                     qPrintable(unreadable.join(QStringLiteral(", "))));
    return 0;
}

int runStats(const QStringList &args)
{
    CliOptions options;
    int status = 0;
    auto ctx = contextFor(QStringLiteral("stats"), args, 0, "stats takes no arguments besides its options", &options, &status);
    if (!ctx)
        return status;
    ctx->scores.OpenAllScore();
    const QString json = statsJson(ctx->scores);
    ctx->scores.CloseScore();
    std::fputs(json.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace cardova
