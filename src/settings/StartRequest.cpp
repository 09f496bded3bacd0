#include "settings/StartRequest.h"

namespace cardova {

namespace {
constexpr int kMaxArguments = 2; // GAME NUMBER

// "\"Klondike\"" -> "Klondike": quotes a launcher passed on unchanged.
QString unquoted(const QString &arg)
{
    const QString text = arg.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2).trimmed();
    return text;
}

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("-?");
}

StartRequest failed(const QString &problem)
{
    StartRequest request;
    request.kind = StartRequest::Kind::Error;
    request.problem = problem;
    return request;
}
} // namespace

StartRequest parseStartArguments(const QStringList &args)
{
    StartRequest request;
    if (args.isEmpty())
        return request;
    for (const QString &arg : args)
        if (isHelp(arg)) {
            request.kind = StartRequest::Kind::Help;
            return request;
        }
    if (args.size() > kMaxArguments)
        return failed(QStringLiteral("The command line names more than a game and its number; a game name with "
                                     "blanks must be put in quotes."));
    const QString game = unquoted(args[0]);
    if (game.startsWith(QLatin1Char('-')) && game.size() > 1)
        return failed(QStringLiteral("The option \"%1\" is not known (\"--help\" lists the usage).").arg(game));
    if (game.isEmpty())
        return failed(QStringLiteral("The command line names no game."));
    if (args.size() == 1 && isNumericText(game))
        return failed(QStringLiteral("The game number %1 was given without a game name before it.").arg(game));
    request.game = game;
    if (args.size() == kMaxArguments) {
        const QString number = unquoted(args[1]);
        request.number = GameNumber::fromText(number);
        if (!request.number)
            return failed(QStringLiteral("\"%1\" is not a game number.").arg(number));
    }
    request.kind = StartRequest::Kind::Game;
    return request;
}

QString startUsage(const QString &program)
{
    return QStringLiteral("Usage: %1 [GAME [NUMBER]]\n"
                          "\n"
                          "Starts the patience game GAME with the deal NUMBER (a random deal without\n"
                          "NUMBER), skipping the game selection. GAME is a built-in game, a designed\n"
                          "game or a classic (added to the designed games when first named). A name\n"
                          "with blanks goes in quotes: %1 \"My Game\" 12\n"
                          "Without arguments the program opens as usual.\n"
                          "\n"
                          "  -h, --help  show this text and end\n")
        .arg(program);
}

} // namespace cardova
