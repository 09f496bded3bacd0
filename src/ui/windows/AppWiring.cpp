#include "ui/windows/AppWiring.h"

#include "session/GameContext.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmChoose.h"
#include "ui/dialogs/frmHighScore.h"
#include "ui/dialogs/frmOrgFav.h"
#include "ui/dialogs/frmPlayFav.h"
#include "ui/dialogs/frmPlayers.h"
#include "ui/dialogs/frmSelect.h"
#include "ui/stats/frmGameStat.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmMain.h"

#include <memory>

namespace cardova::ui {

namespace {
// Runs a dialog modally over the window, then shows what it changed.
template <typename Dialog>
void runModal(frmMain &window)
{
    Dialog dialog(window.context(), &window);
    dialog.exec();
    window.RefreshCommands();
    window.RefreshCounters();
    window.table()->update();
}
} // namespace

void wireDialogs(frmMain &window)
{
    window.openSelect = [&window] { runModal<frmSelect>(window); };
    window.openChoose = [&window] { runModal<frmChoose>(window); };
    window.openHighScore = [&window] { runModal<frmHighScore>(window); };
    window.setDialog(QStringLiteral("mFav2"), [&window] { runModal<frmOrgFav>(window); });
    window.setDialog(QStringLiteral("mFav4"), [&window] { runModal<frmPlayFav>(window); });
    window.setDialog(QStringLiteral("mTools3"), [&window] { runModal<frmPlayers>(window); });
    window.setDialog(QStringLiteral("mStat1"), [&window] { runModal<frmGameStat>(window); });
    window.setWinHandler(std::make_unique<FinishWinHandler>(&window, [&window] { window.openSelect(); }));
}

void showStartSelection(frmMain &window)
{
    auto *dialog = new frmSelect(window.context(), &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, &window, [&window] {
        window.RefreshCommands();
        window.RefreshCounters();
    });
    dialog->show();
}

} // namespace cardova::ui
