#include "ui/dialogs/FinishChart.h"

#include "ui/parts/ChartPart.h"
#include "ui/parts/Charts.h"

#include <QString>

namespace cardova::ui {

QWidget *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent)
{
    if (ChartPart *part = chartPart())
        return part->makeFinishChart(score, moves, time, parent);
    return makeNoChartNote(QStringLiteral("chFin"), parent);
}

} // namespace cardova::ui
