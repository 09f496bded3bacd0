#pragma once
// The finished-game dialog: shows the won game's result, records the win
// when it opens, and offers what to do next.
#include "settings/GameNumber.h"
#include "ui/dialogs/DialogMessage.h"

#include <QDialog>
#include <functional>

class QAction;
class QToolBar;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmFinish : public QDialog {
    Q_OBJECT
public:
    // How the game ended: the player won it, or the computer played it to
    // the end (recorded as not won before the dialog opens).
    enum class Outcome { Won, Solved };

    // openSelect opens the game selection dialog; it runs after this dialog
    // has closed and the winning move has returned.
    frmFinish(GameContext &ctx, std::function<void()> openSelect, QWidget *parent = nullptr,
              Outcome outcome = Outcome::Won);

    // Where messages go (a game that cannot be started); a box by default.
    MessageFn showMessage;
    // Runs a dialog opened on top of this one; exec() by default.
    std::function<void(QDialog &)> runModal;
    // Deals a game by name with a random number for "New Game" (the window's
    // way, which may first look for a winnable deal); unset, the number is
    // dealt as drawn.
    std::function<void(const QString &name)> dealRandom;

private:
    void buildLayout();
    QToolBar *buildToolbar();
    QAction *addButton(QToolBar *bar, const char *key, const QString &label, int standardIcon);
    void recordWin();
    void startGame(const QString &gName, const GameNumber &number);
    void newGame();
    void restartGame();
    void selectGame();
    void highScore();
    void statistics();

    GameContext &ctx_;
    std::function<void()> openSelect_;
    Outcome outcome_;
};

} // namespace cardova::ui
