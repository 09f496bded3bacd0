#pragma once
#include <QDialog>

class QTreeWidget;

namespace cardova {
class cTrans;
}

namespace cardova::ui {

// "Game History": every logged move of the game on the table, the current
// position in dark red and bold, the moves that can be redone in olive.
class frmHistory : public QDialog {
    Q_OBJECT
public:
    explicit frmHistory(const cTrans &log, QWidget *parent = nullptr);

private:
    void fill(const cTrans &log);

    QTreeWidget *lvHistory_;
};

} // namespace cardova::ui
