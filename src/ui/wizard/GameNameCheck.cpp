#include "ui/wizard/GameNameCheck.h"

#include "rules/StandardGames.h"

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
    return {};
}

} // namespace cardova::ui
