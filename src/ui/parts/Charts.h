#pragma once
// The chart part, loaded the first time a window asks for a chart.
#include <QString>

class QWidget;

namespace cardova::ui {

class ChartPart;

// The loaded chart part, or nullptr when it cannot be loaded (the reason is
// in chartProblem()). It is looked for once per run.
ChartPart *chartPart();
QString chartProblem();

// Stands where a chart would: says that charts are not available and why.
QWidget *makeNoChartNote(const QString &objectName, QWidget *parent);

} // namespace cardova::ui
