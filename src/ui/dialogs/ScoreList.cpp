#include "ui/dialogs/ScoreList.h"

#include <QHeaderView>

namespace cardova::ui {

namespace {
const QColor kEmphasis(128, 0, 0);

bool isNumeric(ScoreColumn c)
{
    return c == ScoreColumn::Rank || c == ScoreColumn::Score || c == ScoreColumn::Time ||
           c == ScoreColumn::Moves || c == ScoreColumn::GameNo;
}
} // namespace

ScoreList::ScoreList(const char *objectName, std::vector<ScoreColumn> columns, const QLocale &locale,
                     QWidget *parent)
    : QTreeWidget(parent), columns_(std::move(columns)), locale_(locale)
{
    setObjectName(QString::fromLatin1(objectName));
    QStringList titles;
    for (ScoreColumn c : columns_)
        titles << columnTitle(c);
    setHeaderLabels(titles);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    // Columns keep their fitted widths; a stretched last column would push
    // "Game No." far away from the rest of its row.
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int i = 0; i < int(columns_.size()); ++i)
        if (isNumeric(columns_[size_t(i)]))
            headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    fitColumns();
}

int ScoreList::columnOf(ScoreColumn column) const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == column)
            return int(i);
    return -1;
}

void ScoreList::addRecord(const ScoreRec &r, int rank, std::optional<ScoreColumn> emphasis)
{
    auto *item = new QTreeWidgetItem(this);
    for (int i = 0; i < int(columns_.size()); ++i) {
        const ScoreColumn c = columns_[size_t(i)];
        item->setText(i, scoreCellText(r, c, rank, locale_));
        if (isNumeric(c))
            item->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        if (emphasis && c == *emphasis) {
            QFont bold = font();
            bold.setBold(true);
            item->setFont(i, bold);
            item->setForeground(i, kEmphasis);
        }
    }
}

void ScoreList::fitColumns()
{
    constexpr int kPadding = 18; // air between neighbouring columns
    for (int i = 0; i < columnCount(); ++i) {
        resizeColumnToContents(i);
        setColumnWidth(i, columnWidth(i) + kPadding);
    }
}

} // namespace cardova::ui
