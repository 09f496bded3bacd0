#pragma once
// "Log Statistics": every recorded game, filtered by period, game and player.
#include <QDialog>
#include <QLocale>

class QComboBox;
class QLabel;
class QTreeWidget;

namespace cardova {
class GameContext;
struct ScoreRec;
}

namespace cardova::ui {

class frmLogStat : public QDialog {
    Q_OBJECT
public:
    frmLogStat(GameContext &ctx, QWidget *parent = nullptr, const QLocale &locale = QLocale());
    ~frmLogStat() override;
    // Refills the list from the choosers.
    void fill();

protected:
    void done(int result) override;

private:
    bool inPeriod(const ScoreRec &r, const QString &key) const;

    GameContext &ctx_;
    QLocale locale_;
    bool closed_ = false;
    QComboBox *imcDate_, *imcGames_, *imcPlayer_;
    QTreeWidget *lvLog_;
    QLabel *lblUnreadable_;
};

} // namespace cardova::ui
