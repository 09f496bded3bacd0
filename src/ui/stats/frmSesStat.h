#pragma once
// "Session Statistics": the games of this run of the program, and the game
// on the table, refreshed twice a second.
#include <QDialog>
#include <QTimer>


class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmSesStat : public QDialog {
    Q_OBJECT
public:
    explicit frmSesStat(GameContext &ctx, QWidget *parent = nullptr);

    QTimer Timer1;
    // The 500 ms refresh of the running figures.
    void tick();
    // "Refresh Chart".
    void refreshChart();

private:
    QWidget *buildSummary();
    QWidget *buildDetails();
    void fill();

    GameContext &ctx_;
    QLabel *lblSesStarted_, *lblSesPlayed_, *lblSesWon_, *lblSesLost_, *lblsesScore_, *lblSesMoves_,
        *lblSesElapsedTime_;
    QLabel *lblGameStarted_, *lblGameName_, *lblGameNo_, *lblGameScore_, *lblGameMoves_, *lblGameTime_, *lblPlayer_;
    QWidget *chSummary_, *chChart_;
    QTreeWidget *lvSession_, *lvSesChart_;
    QTreeWidgetItem *runningRow_ = nullptr, *runningChartRow_ = nullptr;
};

} // namespace cardova::ui
