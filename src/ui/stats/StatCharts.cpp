#include "ui/stats/StatCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QTreeWidget>
#include <QValueAxis>
#include <algorithm>

namespace cardova::ui {

namespace {
const QColor kBarColours[] = {QColor(0, 120, 60), QColor(170, 50, 40), QColor(40, 80, 150), QColor(200, 150, 30)};
} // namespace

QChartView *makeStatChart(const QString &objectName, QWidget *parent)
{
    auto *view = new QChartView(parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(220, 170);
    QChart *chart = view->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    // One series and two axes for the life of the chart: every new table
    // refills them, so a window that stays open does not pile up old ones.
    auto *series = new QBarSeries;
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    return view;
}

void setChartTable(QChartView *view, const ChartTable &table)
{
    QChart *chart = view->chart();
    auto *series = static_cast<QBarSeries *>(chart->series().constFirst());
    auto *x = static_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).constFirst());
    auto *y = static_cast<QValueAxis *>(chart->axes(Qt::Vertical).constFirst());
    series->clear(); // deletes the old bar sets
    double top = 1, bottom = 0; // a negative total shows below the axis
    for (int c = 0; c < table.columns.size(); ++c) {
        auto *set = new QBarSet(table.columns[c]);
        set->setColor(kBarColours[c % 4]);
        for (const QList<double> &row : table.values) {
            const double v = c < row.size() ? row[c] : 0;
            *set << v;
            top = std::max(top, v);
            bottom = std::min(bottom, v);
        }
        series->append(set);
    }
    QStringList rows = table.rows;
    for (QString &r : rows)
        if (r.isEmpty())
            r = QStringLiteral(" "); // an empty category would be numbered
    x->clear();
    x->append(rows);
    // Whole-number ticks even for small counts.
    y->setRange(bottom * 1.1, std::max(top * 1.1, 4.0));
    y->applyNiceNumbers();
    chart->legend()->setVisible(table.columns.size() > 0);
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
