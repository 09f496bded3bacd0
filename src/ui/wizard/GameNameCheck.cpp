#include "ui/wizard/GameNameCheck.h"

#include "rules/StandardGames.h"
#include "settings/FileNames.h"

namespace cardova::ui {

QString cleanGameName(const QString &typed)
{
    return typed.trimmed();
}

QString gameNameProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Please enter a name for the new game.");
    // The built-in record always wins over a file of the same name, so such
    // a file would never be played.
    if (standardGameRecord(name))
        return QStringLiteral("\"%1\" is the name of a standard game. Please choose another name.").arg(name);
    // A name too long for a file name would be saved under a shortened one
    // and come back under that name.
    if (!fileNameKeepsName(name))
        return QStringLiteral("This name is too long to be saved. Please choose a shorter name.");
    return {};
}

} // namespace cardova::ui
