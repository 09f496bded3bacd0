#pragma once
// Finds and loads a part of the program (a library beside it that only some
// windows need) and resolves its entry.
#include <QFunctionPointer>
#include <QString>
#include <QStringList>

namespace cardova::ui {

// Where a part is looked for, in this order: the folder the build put it in,
// the installed parts folder beside the program's, the program's own folder.
QStringList partFolders();

// The entry `symbol` of the part `name` ("cardova_charts"), or nullptr with
// the reason in `problem`. A library stays loaded once found: its entry may
// be called at any time after.
QFunctionPointer loadPartEntry(const QString &name, const char *symbol, QString *problem = nullptr);

} // namespace cardova::ui
