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
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    view->chart()->setMargins(QMargins(2, 2, 2, 2));
    return view;
}

void setChartTable(QChartView *view, const ChartTable &table)
{
    QChart *chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    auto *series = new QBarSeries;
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
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    QStringList rows = table.rows;
    for (QString &r : rows)
        if (r.isEmpty())
            r = QStringLiteral(" "); // an empty category would be numbered
    x->append(rows);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto *y = new QValueAxis;
    // Whole-number ticks even for small counts.
    y->setRange(bottom * 1.1, std::max(top * 1.1, 4.0));
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
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
