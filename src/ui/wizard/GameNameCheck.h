#pragma once
// Which names a designed game may carry.
#include <QString>

namespace cardova::ui {

// The name as it will be saved: blanks at either end are dropped, because
// they cannot be seen in any list and would make two games look alike.
QString cleanGameName(const QString &typed);

// Empty when `name` (already cleaned) may be saved, else the message that
// tells the player why not.
QString gameNameProblem(const QString &name);

} // namespace cardova::ui
