#pragma once
// Opens the finished-game dialog when a game is won.
#include "session/SessionInterfaces.h"
#include "ui/dialogs/frmFinish.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace cardova {
enum class GamePhase;
}

namespace cardova::ui {

class FinishWinHandler : public WinHandler {
public:
    // parent owns the dialog on screen (the main window); openSelect opens
    // the game selection dialog for the "Select Game" button.
    FinishWinHandler(QWidget *parent, std::function<void()> openSelect);

    // Called once the winning action has returned: the dialog opens from the
    // event loop, modally, when the events queued now have run.
    void gameWon(GameContext &ctx) override;
    // The same dialog for a game the computer finished, from the event loop
    // once the last move has returned; it records nothing.
    void gameSolved(GameContext &ctx) override;

    // Runs the dialog; exec() by default. Tests replace it to drive the
    // dialog's buttons without a blocking loop.
    std::function<void(frmFinish &)> runDialog;
    // Handed to the dialog for its "New Game".
    std::function<void(const QString &name)> dealRandom;
    int opened() const { return opened_; }

private:
    // Opens the dialog once the action has returned, if the game is still
    // in the phase the outcome left it in.
    void openLater(GameContext &ctx, frmFinish::Outcome outcome, GamePhase stillIn);

    QObject queue_; // queued openings die with the handler
    QPointer<QWidget> parent_;
    std::function<void()> openSelect_;
    int opened_ = 0;
};

} // namespace cardova::ui
