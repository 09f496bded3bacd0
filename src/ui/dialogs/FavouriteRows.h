#pragma once
// The favourites of one game as the two favourites dialogs list them.
#include <QString>
#include <QStringList>

class QTreeWidget;

namespace cardova {
class cScore;
}

namespace cardova::ui {

// The game numbers of the loaded favourites whose game name equals `game`
// exactly, in the order they were added; the same deal added twice is
// listed twice.
QStringList favouriteNumbers(const cScore &scores, const QString &game);

// A one-column report list with a header, as both dialogs show games and
// favourites.
void setUpReportList(QTreeWidget &list, const char *objectName, const QString &header);

} // namespace cardova::ui
