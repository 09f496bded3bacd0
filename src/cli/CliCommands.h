#pragma once
#include "cli/PlayActions.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace cardova {

class GameContext;

// Options every command takes.
struct CliOptions {
    QString dataDir;
    QString settingsFile;
    bool noAutoplay = false;
    // solve's budget, as given; none when the option is not given (an empty
    // value is a bad one, not the default)
    std::optional<QString> seconds;
    std::optional<QString> nodes;
    QStringList positional;
};

// Thrown never: errors come back as text, printed by main() with status 2.
struct CliError {
    QString message;
};

// Reads the arguments after COMMAND's name into OUT. Gives an exit status
// when the command is not to run, once the help asked for (0) or what is
// wrong (2: an unknown option, an option without its value) is printed.
std::optional<int> parseCliOptions(const QString &command, const QStringList &args, CliOptions *out);

// Every command's usage line, as printed for a command line that names none.
QString cliUsage();

// The whole tool: the first argument names the command, the rest are its own.
int runCli(const QStringList &args);

// A context as the main window's start makes it: identity, data folder,
// custom games, session start, first player.
std::unique_ptr<GameContext> makeCliContext(const CliOptions &options);

// Prints "cardova-cli: MESSAGE" to stderr; gives the status of bad input, 2.
int cliFail(const QString &message);
// TEXT and a line end on stdout.
void printLine(const QString &text);
// Starts GAME NUMBER as a new game starts. Empty text on success.
QString startFromArgs(GameContext &ctx, const QString &game, const QString &number);
// Play's actions from their words, or nullopt with the first malformed word in BAD.
std::optional<std::vector<PlayAction>> parseActions(const QStringList &words, QString *bad);

int runDeal(const QStringList &args);
int runPlay(const QStringList &args);
int runSolve(const QStringList &args);
int runAddGame(const QStringList &args);

} // namespace cardova
