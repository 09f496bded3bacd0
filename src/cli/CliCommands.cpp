#include "cli/CliCommands.h"

#include "cli/PlayActions.h"
#include "cli/TableJson.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <cstdio>

namespace cardova {

namespace {
constexpr int kNotRecorded = 3; // exit status: the game was won but not recorded

int fail(const QString &message)
{
    std::fprintf(stderr, "cardova-cli: %s\n", qPrintable(message));
    return 2;
}

// Hands finished games to the score store and notes a won game that could
// not be written.
struct WatchedScores : ScoreRecorder {
    explicit WatchedScores(cScore &s) : store(s) {}
    bool AddScore(int16_t mWon) override
    {
        const bool ok = store.AddScore(mWon);
        wonButNotRecorded = wonButNotRecorded || (!ok && mWon == 1);
        return ok;
    }
    void AddSesGame(int16_t mWon) override { store.AddSesGame(mWon); }
    QString lastError() const override { return store.lastError(); }

    cScore &store;
    bool wonButNotRecorded = false;
};

void print(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// Starts GAME NUMBER as a new game starts. Empty text on success.
QString startFromArgs(GameContext &ctx, const QString &game, const QString &number)
{
    const auto gameNo = GameNumber::fromText(number);
    if (!gameNo)
        return QStringLiteral("\"%1\" is not a game number").arg(number);
    return NewGame(ctx, game, *gameNo);
}
} // namespace

bool parseCliOptions(const QStringList &args, bool allowNoAutoplay, CliOptions *out, QString *error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--data-dir") || a == QLatin1String("--settings")) {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            (a == QLatin1String("--data-dir") ? out->dataDir : out->settingsFile) = args[++i];
        } else if (allowNoAutoplay && a == QLatin1String("--no-autoplay")) {
            out->noAutoplay = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option %1").arg(a);
            return false;
        } else {
            out->positional << a;
        }
    }
    return true;
}

std::unique_ptr<GameContext> makeCliContext(const CliOptions &options)
{
    auto data = std::make_unique<cData>(options.settingsFile, options.dataDir);
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    auto ctx = std::make_unique<GameContext>(std::move(data));
    ctx->animate = false;
    ctx->autoplaySuppressed = options.noAutoplay;
    InitMain(*ctx);
    return ctx;
}

int runDeal(const QStringList &args)
{
    CliOptions options;
    QString error;
    if (!parseCliOptions(args, true, &options, &error))
        return fail(error);
    if (options.positional.size() != 2)
        return fail(QStringLiteral("deal takes GAME NUMBER"));
    auto ctx = makeCliContext(options);
    const QString problem = startFromArgs(*ctx, options.positional[0], options.positional[1]);
    if (!problem.isEmpty())
        return fail(problem);
    print(tableJson(*ctx));
    return 0;
}

int runPlay(const QStringList &args)
{
    CliOptions options;
    QString error;
    if (!parseCliOptions(args, false, &options, &error))
        return fail(error);
    if (options.positional.size() < 2)
        return fail(QStringLiteral("play takes GAME NUMBER ACTION..."));
    std::vector<PlayAction> actions;
    for (int i = 2; i < options.positional.size(); ++i) {
        const auto action = parsePlayAction(options.positional[i]);
        if (!action)
            return fail(QStringLiteral("malformed action \"%1\"").arg(options.positional[i]));
        actions.push_back(*action);
    }
    auto ctx = makeCliContext(options);
    const QString problem = startFromArgs(*ctx, options.positional[0], options.positional[1]);
    if (!problem.isEmpty())
        return fail(problem);
    RecordWin win;
    ctx->setWinHandler(&win);
    WatchedScores recorder(ctx->scores);
    ctx->setScoreRecorder(&recorder);
    QStringList results;
    for (const PlayAction &action : actions)
        results << (performPlayAction(*ctx, action) ? QStringLiteral("true") : QStringLiteral("false"));
    QString extra = QStringLiteral(", \"results\": [") + results.join(QStringLiteral(", ")) + QLatin1Char(']');
    extra += QStringLiteral(", \"transPos\": %1, \"transTop\": %2")
                 .arg(ctx->trans ? ctx->trans->TransPos : 0)
                 .arg(ctx->trans ? ctx->trans->TransTop : 0);
    extra += QStringLiteral(", \"won\": ") + (win.opened > 0 ? QStringLiteral("true") : QStringLiteral("false"));
    extra += QStringLiteral(", \"history\": ") + historyJson(*ctx);
    print(tableJson(*ctx, extra));
    // A won game that is missing from the score file must not look like a
    // recorded one to a script.
    if (recorder.wonButNotRecorded) {
        std::fprintf(stderr, "cardova-cli: the won game could not be written to the score file (%s)\n",
                     qPrintable(recorder.store.lastError()));
        return kNotRecorded;
    }
    return 0;
}

} // namespace cardova
