#include "ui/dialogs/FinishWinHandler.h"

#include "ui/dialogs/frmFinish.h"

namespace cardova::ui {

FinishWinHandler::FinishWinHandler(QWidget *parent, std::function<void()> openSelect)
    : runDialog([](frmFinish &dialog) { dialog.exec(); }), parent_(parent),
      openSelect_(std::move(openSelect))
{
}

void FinishWinHandler::gameWon(GameContext &ctx)
{
    ++opened_;
    frmFinish dialog(ctx, openSelect_, parent_.data());
    runDialog(dialog);
}

} // namespace cardova::ui
