#pragma once
// The bar chart of the finished-game dialog: one row of three values.
#include <cstdint>

class QWidget;
class QChartView;

namespace cardova::ui {

// Bars "Score", "Moves" and "Time" (seconds); a negative score shows as 0.
QChartView *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent);

} // namespace cardova::ui
