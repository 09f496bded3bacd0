#pragma once
#include <QString>
#include <QStringList>
#include <memory>

namespace cardova {

class GameContext;

// Options every command takes.
struct CliOptions {
    QString dataDir;
    QString settingsFile;
    bool noAutoplay = false;
    QStringList positional;
};

// Thrown never: errors come back as text, printed by main() with status 2.
struct CliError {
    QString message;
};

// Splits the arguments after the command name; unknown options are errors.
bool parseCliOptions(const QStringList &args, bool allowNoAutoplay, CliOptions *out, QString *error);

// A context as the main window's start makes it: identity, data folder,
// custom games, session start, first player.
std::unique_ptr<GameContext> makeCliContext(const CliOptions &options);

int runDeal(const QStringList &args);
int runPlay(const QStringList &args);

} // namespace cardova
