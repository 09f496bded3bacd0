#pragma once
// The bar chart of the finished-game dialog: one row of three values.
#include <cstdint>

class QWidget;

namespace cardova::ui {

// Bars "Score", "Moves" and "Time" (seconds); a negative score shows as 0.
// Drawn by the chart part; without it, a line saying why there is no chart.
QWidget *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent);

} // namespace cardova::ui
