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
    QTimer::singleShot(0, &queue_, [this, &ctx] { open(ctx); });
}

void FinishWinHandler::open(GameContext &ctx)
{
    // Something else may have recorded the game meanwhile (a new game from
    // the menu, the window closing): then there is nothing to show.
    if (ctx.phase != GamePhase::Finished)
        return;
    ++opened_;
    frmFinish dialog(ctx, openSelect_, parent_.data());
    dialog.dealRandom = dealRandom;
    runDialog(dialog);
}

void FinishWinHandler::gameSolved(GameContext &ctx)
{
    QTimer::singleShot(0, &queue_, [this, &ctx] { openSolved(ctx); });
}

void FinishWinHandler::openSolved(GameContext &ctx)
{
    // A game started meanwhile is what the player chose to do next.
    if (ctx.phase != GamePhase::NoGame)
        return;
    ++opened_;
    frmFinish dialog(ctx, openSelect_, parent_.data(), frmFinish::Outcome::Solved);
    dialog.dealRandom = dealRandom;
    runDialog(dialog);
}

} // namespace cardova::ui
