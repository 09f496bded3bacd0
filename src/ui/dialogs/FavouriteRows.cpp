#include "ui/dialogs/FavouriteRows.h"

#include "scores/cScore.h"

#include <QTreeWidget>

namespace cardova::ui {

QStringList favouriteNumbers(const cScore &scores, const QString &game)
{
    QStringList numbers;
    for (int i = 1; i <= scores.FavTop(); ++i) {
        const FavRec fav = scores.GetFavRec(i);
        if (fav.GName == game)
            numbers << fav.GNo.toText();
    }
    return numbers;
}

void setUpReportList(QTreeWidget &list, const char *objectName, const QString &header)
{
    list.setObjectName(QString::fromLatin1(objectName));
    list.setColumnCount(1);
    list.setHeaderLabels({header});
    list.setRootIsDecorated(false);
    list.setIconSize(QSize(16, 16));
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setMinimumSize(180, 220);
}

} // namespace cardova::ui
