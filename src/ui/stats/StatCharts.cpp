#include "ui/stats/StatCharts.h"

#include "ui/parts/Charts.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace cardova::ui {

QWidget *makeStatChart(const QString &objectName, QWidget *parent)
{
    if (ChartPart *part = chartPart())
        return part->makeStatChart(objectName, parent);
    return makeNoChartNote(objectName, parent);
}

void setChartTable(QWidget *view, const ChartTable &table)
{
    if (ChartPart *part = chartPart())
        part->setChartTable(view, table);
}

QTreeWidget *makeReportList(const QString &objectName, const QStringList &columns, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels(columns);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace cardova::ui
