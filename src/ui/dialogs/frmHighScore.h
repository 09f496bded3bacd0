#pragma once
// The high-score board: four rankings of the recorded games, read from the
// score files when the board opens and released when it closes.
#include <QDialog>

class QComboBox;
class QPushButton;
class QTabWidget;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class ScoreList;

class frmHighScore : public QDialog {
    Q_OBJECT
public:
    explicit frmHighScore(GameContext &ctx, QWidget *parent = nullptr);
    ~frmHighScore() override;

    // Every way of closing (button, window frame, Escape) comes here.
    void done(int result) override;

private:
    QWidget *buildTopTab();
    QWidget *buildGamesTab();
    QWidget *buildPlayerTab();
    QWidget *buildFinishedTab();
    // Ranks by score and lists the slots with a score above 0.
    void fillByScore(ScoreList &list, const QString &gName, const QString &player);
    void fillFinished(int choice);
    void releaseScores();

    GameContext &ctx_;
    QTabWidget *tabs_;
    ScoreList *top_;
    QComboBox *games_;
    ScoreList *gameList_;
    QComboBox *players_;
    ScoreList *playerList_;
    QComboBox *fin_;
    ScoreList *finList_;
    QPushButton *close_;
    bool loaded_ = false;
};

} // namespace cardova::ui
