#pragma once
// The statistics charts: a table of rows and labelled columns, drawn as
// grouped bars (one bar set per column, one group per row) by the chart part,
// which is loaded the first time a chart is made.
#include "ui/parts/ChartPart.h"

class QTreeWidget;
class QWidget;

namespace cardova::ui {

// Creates a chart view showing the table; `objectName` names the view.
// Without the chart part it is a line saying why there is no chart.
QWidget *makeStatChart(const QString &objectName, QWidget *parent);
void setChartTable(QWidget *view, const ChartTable &table);

// A list in report style with these column titles, sized to its contents.
QTreeWidget *makeReportList(const QString &objectName, const QStringList &columns, QWidget *parent);

} // namespace cardova::ui
