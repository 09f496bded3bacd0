#include "ui/dialogs/FinishChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <algorithm>

namespace cardova::ui {

QChartView *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent)
{
    auto *set = new QBarSet(QString());
    *set << std::max<int32_t>(score, 0) << moves << time;
    set->setColor(QColor(0, 110, 60));
    set->setBorderColor(QColor(0, 70, 40));
    set->setLabelColor(Qt::black);

    auto *series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setBarWidth(0.6);

    auto *chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));

    auto *categories = new QBarCategoryAxis;
    categories->append({QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")});
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto *values = new QValueAxis;
    // Head room above the tallest bar keeps its value label inside the chart.
    const int32_t top = std::max({std::max<int32_t>(score, 0), moves, time, int32_t(1)});
    values->setRange(0, top * 1.15);
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    auto *view = new QChartView(chart, parent);
    view->setObjectName(QStringLiteral("chFin"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 220);
    return view;
}

} // namespace cardova::ui
