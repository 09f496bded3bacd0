#pragma once
// The game-number dialog: starts a chosen game with a number the player
// types, for the chosen player.
#include "ui/dialogs/DialogMessage.h"

#include <QDialog>
#include <QLocale>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmChoose : public QDialog {
    Q_OBJECT
public:
    // The locale gives the thousands separator of the range.
    explicit frmChoose(GameContext &ctx, QWidget *parent = nullptr, const QLocale &locale = QLocale());

    // Where messages go (the range reminder, a game that cannot be started);
    // a box by default.
    MessageFn showMessage;

private:
    void buildLayout();
    void select();
    void refuseNumber(const QString &message);

    GameContext &ctx_;
    QLocale locale_;
    double maxGameNo_;
    QLineEdit *number_;
    QLabel *name_;
    QLabel *range_;
    QComboBox *games_;
    QComboBox *players_;
    QPushButton *select_;
    QPushButton *cancel_;
};

} // namespace cardova::ui
