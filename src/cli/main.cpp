// cardova-cli: plays Cardova without a window. See README.md for the commands.
#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cardova"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return cardova::runCli(args);
}
