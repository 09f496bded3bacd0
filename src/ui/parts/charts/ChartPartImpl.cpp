// The chart part (libcardova_charts): the statistics and finished-game charts
// drawn with Qt Charts. The program loads it the first time a window shows a
// chart.
#include "ui/parts/ChartPart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>
#include <algorithm>

namespace cardova::ui {

namespace {
const QColor kBarColours[] = {QColor(0, 120, 60), QColor(170, 50, 40), QColor(40, 80, 150), QColor(200, 150, 30)};

class QtChartPart : public ChartPart {
public:
    QWidget *makeStatChart(const QString &objectName, QWidget *parent) override;
    void setChartTable(QWidget *view, const ChartTable &table) override;
    QWidget *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent) override;
};

QWidget *QtChartPart::makeStatChart(const QString &objectName, QWidget *parent)
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

void QtChartPart::setChartTable(QWidget *widget, const ChartTable &table)
{
    auto *view = qobject_cast<QChartView *>(widget);
    if (!view)
        return;
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

QWidget *QtChartPart::makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent)
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
} // namespace

} // namespace cardova::ui

extern "C" Q_DECL_EXPORT cardova::ui::ChartPart *cardovaChartPart()
{
    static cardova::ui::QtChartPart part; // stateless: one for the program
    return &part;
}
