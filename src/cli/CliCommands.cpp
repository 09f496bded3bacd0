#include "cli/CliCommands.h"

#include "cli/PlayActions.h"
#include "cli/ScoreCommands.h"
#include "cli/TableJson.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <array>
#include <cstdio>

namespace cardova {

namespace {
constexpr int kNotRecorded = 3; // exit status: the game was won but not recorded

const QString kDataDirName = QStringLiteral("data-dir");
const QString kSettingsName = QStringLiteral("settings");
const QString kNoAutoplayName = QStringLiteral("no-autoplay");
const QString kHelpName = QStringLiteral("help");
const QString kSecondsName = QStringLiteral("seconds");
const QString kNodesName = QStringLiteral("nodes");
// Marks a word the parser must leave positional. No argument from the
// command line can hold a NUL, so the mark never meets a real one.
constexpr QChar kVerbatim = QChar(u'\0');

// What the usage lines and the help say about one command.
struct CommandSyntax {
    const char *name;
    const char *operands;
    const char *summary;
    bool noAutoplay;
    std::array<std::pair<const char *, const char *>, 3> arguments;
    bool budget = false; // takes --seconds and --nodes
};

const char *const kGameHelp = "The game's name as the game list shows it; quote a name with spaces.";
const char *const kNumberHelp = "The deal number.";

const CommandSyntax kCommands[] = {
    {"deal", "GAME NUMBER", "Deals the game and prints the table as one JSON object.", true,
     {{{"GAME", kGameHelp}, {"NUMBER", kNumberHelp}, {}}}},
    {"play", "GAME NUMBER ACTION...",
     "Deals the game as deal does, performs each action as a player would and prints\n"
     "the table with what each action did.",
     false,
     {{{"GAME", kGameHelp},
       {"NUMBER", kNumberHelp},
       {"ACTION...", "stock, SRC>DST (SRC: tP:K, w, fP, cP or r; DST: tP, fP or cP; counted from 0), undo, "
                     "redo, undoall, redoall, back, forward, autoplay:on or autoplay:off."}}}},
    {"export", "OUT", "Writes the statistics export of every player to OUT.", false,
     {{{"OUT", "The file to write."}, {}, {}}}},
    {"stats", "", "Prints every player's totals and rankings as one JSON object.", false, {}},
    {"solve", "GAME NUMBER [ACTION...]",
     "Deals the game and performs the actions as play does, then searches the position\n"
     "reached for a win and prints the verdict with a winning line as play's actions.",
     true,
     {{{"GAME", kGameHelp}, {"NUMBER", kNumberHelp}, {"ACTION...", "As for play."}}},
     true},
    {"add-game", "NAME",
     "Adds a classic game as a designed game (its \".gam\" file in the data folder) and\n"
     "prints its name; deal, play and solve then take it as GAME.",
     false,
     {{{"NAME", "The classic's name, such as \"FreeCell\"; an unknown name lists them."}, {}, {}}}},
};

const CommandSyntax *findCommand(const QString &name)
{
    for (const CommandSyntax &syntax : kCommands)
        if (name == QLatin1String(syntax.name))
            return &syntax;
    return nullptr;
}

QString usageLine(const CommandSyntax &syntax)
{
    QString line = QStringLiteral("cardova-cli ") + QLatin1String(syntax.name) +
                   QStringLiteral(" [--data-dir DIR] [--settings FILE]");
    if (syntax.noAutoplay)
        line += QStringLiteral(" [--no-autoplay]");
    if (syntax.budget)
        line += QStringLiteral(" [--seconds S] [--nodes N]");
    if (*syntax.operands)
        line += QLatin1Char(' ') + QLatin1String(syntax.operands);
    return line;
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), kHelpName}, QStringLiteral("Shows this help."));
}

QList<QCommandLineOption> commandOptions(bool noAutoplay, bool budget)
{
    QList<QCommandLineOption> options{
        {kDataDirName,
         QStringLiteral("The folder of custom games and score files (default: the user's application-data folder)."),
         QStringLiteral("DIR")},
        {kSettingsName, QStringLiteral("The settings file, an INI file (default: the user's Cardova.ini)."),
         QStringLiteral("FILE")}};
    if (noAutoplay)
        options << QCommandLineOption(kNoAutoplayName, QStringLiteral("Leaves out the automatic play after the deal."));
    if (budget)
        options << QCommandLineOption(kSecondsName, QStringLiteral("The longest search in seconds (default: 10)."),
                                      QStringLiteral("S"))
                << QCommandLineOption(kNodesName, QStringLiteral("The most positions to search (default: no limit)."),
                                      QStringLiteral("N"));
    options << helpOption();
    return options;
}

bool namesOption(const QString &name, const QList<QCommandLineOption> &options)
{
    for (const QCommandLineOption &option : options)
        if (option.names().contains(name))
            return true;
    return false;
}

// Runs PARSER, with OPTIONS added, over ARGS. A word with one dash that names
// none of the options has always been positional here: a game number may
// carry a sign ("-5").
bool parseArguments(QCommandLineParser &parser, const QList<QCommandLineOption> &options, const QStringList &args)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption &option : options)
        parser.addOption(option);
    QStringList marked{QStringLiteral("cardova-cli")}; // the parser skips the program's name
    for (const QString &word : args) {
        const bool dashWord = word.size() > 1 && word[0] == QLatin1Char('-') && word[1] != QLatin1Char('-');
        if (dashWord && !namesOption(word.mid(1).section(QLatin1Char('='), 0, 0), options))
            marked << QString(kVerbatim) + word;
        else
            marked << word;
    }
    return parser.parse(marked);
}

QString unmarked(const QString &word)
{
    return word.startsWith(kVerbatim) ? word.mid(1) : word;
}

// Qt's help with our usage lines in place of its own, which would name the
// program as it was typed and leave out the options.
QString helpText(const QCommandLineParser &parser, const QString &usage)
{
    const QString text = parser.helpText();
    return usage + QLatin1Char('\n') + text.mid(text.indexOf(QLatin1Char('\n')));
}

QString toolHelp()
{
    QCommandLineParser parser;
    for (const QCommandLineOption &option : commandOptions(true, true))
        parser.addOption(option);
    parser.setApplicationDescription(
        QStringLiteral("Plays Cardova without a window. \"cardova-cli COMMAND --help\" describes one command."));
    QString usage = cliUsage();
    usage.chop(1);
    return helpText(parser, usage);
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

} // namespace

int cliFail(const QString &message)
{
    std::fprintf(stderr, "cardova-cli: %s\n", qPrintable(message));
    return 2;
}

void printLine(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString startFromArgs(GameContext &ctx, const QString &game, const QString &number)
{
    const auto gameNo = GameNumber::fromText(number);
    if (!gameNo)
        return QStringLiteral("\"%1\" is not a game number").arg(number);
    return NewGame(ctx, game, *gameNo);
}

std::optional<std::vector<PlayAction>> parseActions(const QStringList &words, QString *bad)
{
    std::vector<PlayAction> actions;
    for (const QString &word : words) {
        const auto action = parsePlayAction(word);
        if (!action) {
            *bad = word;
            return std::nullopt;
        }
        actions.push_back(*action);
    }
    return actions;
}

std::optional<int> parseCliOptions(const QString &command, const QStringList &args, CliOptions *out)
{
    const CommandSyntax *syntax = findCommand(command);
    if (!syntax)
        return cliFail(QStringLiteral("unknown command \"%1\"").arg(command));
    QCommandLineParser parser;
    const QList<QCommandLineOption> options = commandOptions(syntax->noAutoplay, syntax->budget);
    if (!parseArguments(parser, options, args))
        return cliFail(parser.errorText());
    if (parser.isSet(kHelpName)) {
        parser.setApplicationDescription(QString::fromUtf8(syntax->summary));
        for (const auto &[name, description] : syntax->arguments)
            if (name)
                parser.addPositionalArgument(QString::fromUtf8(name), QString::fromUtf8(description));
        std::fputs(helpText(parser, QStringLiteral("usage: ") + usageLine(*syntax)).toUtf8().constData(), stdout);
        return 0;
    }
    out->dataDir = unmarked(parser.value(kDataDirName));
    out->settingsFile = unmarked(parser.value(kSettingsName));
    out->noAutoplay = syntax->noAutoplay && parser.isSet(kNoAutoplayName);
    if (syntax->budget) {
        if (parser.isSet(kSecondsName))
            out->seconds = unmarked(parser.value(kSecondsName));
        if (parser.isSet(kNodesName))
            out->nodes = unmarked(parser.value(kNodesName));
    }
    for (const QString &word : parser.positionalArguments())
        out->positional << unmarked(word);
    return std::nullopt;
}

QString cliUsage()
{
    QString text;
    for (const CommandSyntax &syntax : kCommands)
        text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) + usageLine(syntax) +
                QLatin1Char('\n');
    return text;
}

int runCli(const QStringList &args)
{
    QCommandLineParser parser;
    // Everything after the command's name is the command's to read.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parseArguments(parser, {helpOption()}, args))
        return cliFail(parser.errorText());
    if (parser.isSet(kHelpName)) {
        std::fputs(toolHelp().toUtf8().constData(), stdout);
        return 0;
    }
    QStringList words;
    for (const QString &word : parser.positionalArguments())
        words << unmarked(word);
    if (words.isEmpty()) {
        std::fputs(cliUsage().toUtf8().constData(), stderr);
        return 2;
    }
    const QString command = words.takeFirst();
    static const std::pair<const char *, int (*)(const QStringList &)> kRuns[] = {
        {"deal", runDeal}, {"play", runPlay}, {"export", runExport}, {"stats", runStats}, {"solve", runSolve},
        {"add-game", runAddGame}};
    for (const auto &[name, run] : kRuns)
        if (command == QLatin1String(name))
            return run(words);
    std::fprintf(stderr, "cardova-cli: unknown command \"%s\"\n", qPrintable(command));
    std::fputs(cliUsage().toUtf8().constData(), stderr);
    return 2;
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
    if (const auto stop = parseCliOptions(QStringLiteral("deal"), args, &options))
        return *stop;
    if (options.positional.size() != 2)
        return cliFail(QStringLiteral("deal takes GAME NUMBER"));
    auto ctx = makeCliContext(options);
    const QString problem = startFromArgs(*ctx, options.positional[0], options.positional[1]);
    if (!problem.isEmpty())
        return cliFail(problem);
    printLine(tableJson(*ctx));
    return 0;
}

int runPlay(const QStringList &args)
{
    CliOptions options;
    if (const auto stop = parseCliOptions(QStringLiteral("play"), args, &options))
        return *stop;
    if (options.positional.size() < 2)
        return cliFail(QStringLiteral("play takes GAME NUMBER ACTION..."));
    QString bad;
    const auto actions = parseActions(options.positional.mid(2), &bad);
    if (!actions)
        return cliFail(QStringLiteral("malformed action \"%1\"").arg(bad));
    auto ctx = makeCliContext(options);
    const QString problem = startFromArgs(*ctx, options.positional[0], options.positional[1]);
    if (!problem.isEmpty())
        return cliFail(problem);
    RecordWin win;
    ctx->setWinHandler(&win);
    WatchedScores recorder(ctx->scores);
    ctx->setScoreRecorder(&recorder);
    QStringList results;
    for (const PlayAction &action : *actions)
        results << (performPlayAction(*ctx, action) ? QStringLiteral("true") : QStringLiteral("false"));
    QString extra = QStringLiteral(", \"results\": [") + results.join(QStringLiteral(", ")) + QLatin1Char(']');
    extra += QStringLiteral(", \"transPos\": %1, \"transTop\": %2")
                 .arg(ctx->trans ? ctx->trans->TransPos : 0)
                 .arg(ctx->trans ? ctx->trans->TransTop : 0);
    extra += QStringLiteral(", \"won\": ") + (win.opened > 0 ? QStringLiteral("true") : QStringLiteral("false"));
    extra += QStringLiteral(", \"history\": ") + historyJson(*ctx);
    printLine(tableJson(*ctx, extra));
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
