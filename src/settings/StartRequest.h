#pragma once
#include "settings/GameNumber.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cardova {

// What the program's command line asks for: `cardova [GAME [NUMBER]]`.
struct StartRequest {
    enum class Kind {
        None,  // no arguments: the program opens as usual
        Help,  // "--help" or "-h": print the usage and end
        Game,  // a game by name, with `number` or a random deal
        Error, // arguments that cannot be read; `problem` says why
    };
    Kind kind = Kind::None;
    QString game;
    std::optional<GameNumber> number; // none: a random deal
    QString problem;
};

// Reads the arguments after the program's own name. A game name holding
// blanks comes as one argument (quoted in the shell); a pair of double
// quotes around an argument, left by some launchers, is taken off.
StartRequest parseStartArguments(const QStringList &args);

// The usage text that "--help" prints.
QString startUsage(const QString &program);

} // namespace cardova
