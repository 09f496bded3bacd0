#include "ui/dialogs/FinishWinHandler.h"

#include "session/GameContext.h"
#include "ui/dialogs/frmFinish.h"

#include <QTimer>

namespace cardova::ui {

FinishWinHandler::FinishWinHandler(QWidget *parent, std::function<void()> openSelect)
    : runDialog([](frmFinish &dialog) { dialog.exec(); }), parent_(parent),
      openSelect_(std::move(openSelect))
{
}

void FinishWinHandler::gameWon(GameContext &ctx)
{
    // Something else may have recorded the game meanwhile (a new game from
    // the menu, the window closing): then there is nothing to show.
    openLater(ctx, frmFinish::Outcome::Won, GamePhase::Finished);
}

void FinishWinHandler::gameSolved(GameContext &ctx)
{
    // A game started meanwhile is what the player chose to do next.
    openLater(ctx, frmFinish::Outcome::Solved, GamePhase::NoGame);
}

void FinishWinHandler::openLater(GameContext &ctx, frmFinish::Outcome outcome, GamePhase stillIn)
{
    QTimer::singleShot(0, &queue_, [this, &ctx, outcome, stillIn] {
        if (ctx.phase != stillIn)
            return;
        ++opened_;
        frmFinish dialog(ctx, openSelect_, parent_.data(), outcome);
        dialog.dealRandom = dealRandom;
        runDialog(dialog);
    });
}

} // namespace cardova::ui
