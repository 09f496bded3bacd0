// cardova-cli: plays Cardova without a window. See README.md for the commands.
#include "cli/CliCommands.h"
#include "cli/ScoreCommands.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
void usage()
{
    std::fputs("usage: cardova-cli deal [--data-dir DIR] [--settings FILE] [--no-autoplay] GAME NUMBER\n"
               "       cardova-cli play [--data-dir DIR] [--settings FILE] GAME NUMBER ACTION...\n"
               "       cardova-cli export [--data-dir DIR] [--settings FILE] OUT\n"
               "       cardova-cli stats [--data-dir DIR] [--settings FILE]\n",
               stderr);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cardova"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("deal"))
        return cardova::runDeal(args);
    if (command == QLatin1String("play"))
        return cardova::runPlay(args);
    if (command == QLatin1String("export"))
        return cardova::runExport(args);
    if (command == QLatin1String("stats"))
        return cardova::runStats(args);
    std::fprintf(stderr, "cardova-cli: unknown command \"%s\"\n", qPrintable(command));
    usage();
    return 2;
}
