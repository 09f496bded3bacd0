#include "ui/parts/Charts.h"

#include "ui/parts/ChartPart.h"
#include "ui/parts/PartLoader.h"

#include <QLabel>

namespace cardova::ui {

namespace {
struct LoadedCharts {
    ChartPart *part = nullptr;
    QString problem;
};

// A loaded library is the process's own: its entry is looked up once.
const LoadedCharts &loaded()
{
    static const LoadedCharts charts = [] {
        LoadedCharts c;
        if (auto entry = reinterpret_cast<CardovaChartPartEntry>(
                loadPartEntry(QStringLiteral("cardova_charts"), CARDOVA_CHART_PART_ENTRY, &c.problem)))
            c.part = entry();
        return c;
    }();
    return charts;
}
} // namespace

ChartPart *chartPart() { return loaded().part; }

QString chartProblem() { return loaded().problem; }

QWidget *makeNoChartNote(const QString &objectName, QWidget *parent)
{
    auto *note = new QLabel(QStringLiteral("Charts are not available: %1").arg(chartProblem()), parent);
    note->setObjectName(objectName);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setMinimumSize(220, 170);
    return note;
}

} // namespace cardova::ui
