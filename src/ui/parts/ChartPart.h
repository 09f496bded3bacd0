#pragma once
// The charts live in a part of their own (libcardova_charts), loaded the first
// time a window shows a chart, so Qt Charts and what it pulls in stay out of
// the start. This header is all the program and the part share.
#include <QList>
#include <QStringList>

#include <cstdint>

class QWidget;

namespace cardova::ui {

// A table of rows and labelled columns, drawn as grouped bars (one bar set
// per column, one group per row).
struct ChartTable {
    QStringList columns;         // one bar set each
    QStringList rows;            // one group each (may be empty texts)
    QList<QList<double>> values; // values[row][column]
};

class ChartPart {
public:
    virtual ~ChartPart() = default;
    // A statistics chart named `objectName`, empty until it gets a table.
    virtual QWidget *makeStatChart(const QString &objectName, QWidget *parent) = 0;
    // `view` is a chart this part made.
    virtual void setChartTable(QWidget *view, const ChartTable &table) = 0;
    // Bars "Score", "Moves" and "Time" (seconds); a negative score shows as 0.
    virtual QWidget *makeFinishChart(int32_t score, int32_t moves, int32_t time, QWidget *parent) = 0;
};

} // namespace cardova::ui

// The part's one entry: its chart maker, which lives as long as the program.
#define CARDOVA_CHART_PART_ENTRY "cardovaChartPart"
extern "C" {
using CardovaChartPartEntry = cardova::ui::ChartPart *(*)();
}
