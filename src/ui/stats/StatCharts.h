#pragma once
// The statistics charts: a table of rows and labelled columns, drawn as
// grouped bars (one bar set per column, one group per row).
#include <QList>
#include <QStringList>

class QChartView;
class QTreeWidget;
class QWidget;

namespace cardova::ui {

struct ChartTable {
    QStringList columns;      // one bar set each
    QStringList rows;         // one group each (may be empty texts)
    QList<QList<double>> values; // values[row][column]
};

// Creates a chart view showing the table; `objectName` names the view.
QChartView *makeStatChart(const QString &objectName, QWidget *parent);
void setChartTable(QChartView *view, const ChartTable &table);

// A list in report style with these column titles, sized to its contents.
QTreeWidget *makeReportList(const QString &objectName, const QStringList &columns, QWidget *parent);

} // namespace cardova::ui
