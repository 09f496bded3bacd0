#include "ui/parts/PartLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace cardova::ui {

QStringList partFolders()
{
    QStringList folders;
#ifdef CARDOVA_PARTS_BUILD_DIR
    folders << QStringLiteral(CARDOVA_PARTS_BUILD_DIR);
#endif
    const QString program = QCoreApplication::applicationDirPath();
#ifdef CARDOVA_PARTS_INSTALL_DIR
    folders << QDir(program).filePath(QStringLiteral(CARDOVA_PARTS_INSTALL_DIR));
#endif
    folders << program;
    return folders;
}

QFunctionPointer loadPartEntry(const QString &name, const char *symbol, QString *problem)
{
    QString last;
    for (const QString &folder : partFolders()) {
        QLibrary library(QDir(folder).filePath(QStringLiteral("lib") + name));
        // Never unloaded: the windows keep objects the part made.
        if (!library.load()) {
            last = library.errorString();
            continue;
        }
        if (QFunctionPointer entry = library.resolve(symbol))
            return entry;
        last = library.errorString();
    }
    if (problem)
        *problem = last.isEmpty() ? QStringLiteral("%1 was not found").arg(name) : last;
    return nullptr;
}

} // namespace cardova::ui
