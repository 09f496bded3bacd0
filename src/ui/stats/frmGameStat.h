#pragma once
// "Game Statistics": totals, rates and charts over every player's score
// file, per game, per period and per player.
#include "ui/stats/StatActions.h"

#include <QDateTime>
#include <QDialog>
#include <QLocale>


class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmGameStat : public QDialog {
    Q_OBJECT
public:
    frmGameStat(GameContext &ctx, QWidget *parent = nullptr, const QLocale &locale = QLocale());
    ~frmGameStat() override;

    StatHooks hooks;

    // The tabs' contents, rebuilt when a chooser changes.
    void showGame(const QString &game);
    void showPeriod(int index);
    void showPlayer(const QString &player);

protected:
    void done(int result) override;

private:
    // The choosers' entries and first choices.
    void fillChoosers();
    // Loads every player's records and rebuilds every tab from them,
    // keeping the choices made.
    void reload();
    QHBoxLayout *buildButtons();
    QWidget *buildGeneral();
    QWidget *buildGames();
    QWidget *buildDates();
    QWidget *buildPlayers();
    struct SumTabNames {
        QString list, first, chooser, leftChart, rightChart;
    };
    QWidget *buildSumTab(const SumTabNames &names, QTreeWidget **list, QComboBox **chooser, QWidget **left,
                         QWidget **right);

    GameContext &ctx_;
    QLocale locale_;
    bool closed_ = false;
    QTabWidget *tabs_;
    QLabel *lblUnreadable_;
    QListWidget *lvGeneral_;
    QWidget *chGen_, *chGen1_;
    QTreeWidget *lvGames_;
    QComboBox *imcGames_;
    QWidget *chGames_, *chGames1_;
    QComboBox *imcDate_;
    QTreeWidget *lvDate_;
    QWidget *chDate_, *chDate1_;
    QTreeWidget *lvPlayer_;
    QComboBox *imcPlayer_;
    QWidget *chPlayer_, *chPlayer1_;
};

} // namespace cardova::ui
