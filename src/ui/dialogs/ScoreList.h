#pragma once
// A report-style list of ranked score records.
#include "ui/dialogs/ScoreRows.h"

#include <QTreeWidget>
#include <optional>
#include <vector>

namespace cardova::ui {

class ScoreList : public QTreeWidget {
    Q_OBJECT
public:
    ScoreList(const char *objectName, std::vector<ScoreColumn> columns, const QLocale &locale,
              QWidget *parent = nullptr);

    // Adds the record ranked at `rank`; the `emphasis` cell is bold dark red.
    void addRecord(const ScoreRec &r, int rank, std::optional<ScoreColumn> emphasis);
    // Column index of a kind of cell; -1 when the list has no such column.
    int columnOf(ScoreColumn column) const;
    // Fits the columns to what they hold after a refill.
    void fitColumns();

private:
    std::vector<ScoreColumn> columns_;
    QLocale locale_;
};

} // namespace cardova::ui
