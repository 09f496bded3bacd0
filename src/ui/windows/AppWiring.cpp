#include "ui/windows/AppWiring.h"

#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/NamedGame.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmChoose.h"
#include "ui/dialogs/frmHighScore.h"
#include "ui/dialogs/frmOrgFav.h"
#include "ui/dialogs/frmPlayFav.h"
#include "ui/dialogs/frmPlayers.h"
#include "ui/dialogs/frmSelect.h"
#include "ui/stats/frmGameStat.h"
#include "ui/stats/frmLogStat.h"
#include "ui/stats/frmSesStat.h"
#include "ui/wizard/frmGamesWizard.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/TableView.h"
#include "ui/windows/WinnableDeals.h"
#include "ui/windows/frmMain.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>
#include <memory>

namespace cardova::ui {

namespace {
// Shows on the window what a dialog changed.
void afterDialog(frmMain &window)
{
    window.RefreshCommands();
    window.RefreshCounters();
    window.table()->update();
}

// Runs a dialog modally over the window.
template <typename Dialog>
void runModal(frmMain &window)
{
    Dialog dialog(window.context(), &window);
    dialog.exec();
    afterDialog(window);
}

// Opens the games wizard over the window; afterwards the game lists know
// every designed game.
void runWizard(frmMain &window)
{
    runModal<frmGamesWizard>(window);
}

// The game selection with its "Create a New Game" leading to the wizard.
void runSelect(frmMain &window)
{
    frmSelect dialog(window.context(), &window);
    dialog.setCreateGame([&window] { runWizard(window); });
    dialog.dealRandom = [&window](const QString &name) { window.winnableDeals().dealRandom(name); };
    dialog.exec();
    afterDialog(window);
}
} // namespace

void wireDialogs(frmMain &window)
{
    window.openSelect = [&window] { runSelect(window); };
    window.setDialog(QStringLiteral("mTools7"), [&window] { runWizard(window); });
    window.openChoose = [&window] { runModal<frmChoose>(window); };
    window.openHighScore = [&window] { runModal<frmHighScore>(window); };
    window.setDialog(QStringLiteral("mFav2"), [&window] { runModal<frmOrgFav>(window); });
    window.setDialog(QStringLiteral("mFav4"), [&window] { runModal<frmPlayFav>(window); });
    window.setDialog(QStringLiteral("mTools3"), [&window] { runModal<frmPlayers>(window); });
    window.setDialog(QStringLiteral("mStat1"), [&window] { runModal<frmGameStat>(window); });
    window.setDialog(QStringLiteral("mStat2"), [&window] { runModal<frmSesStat>(window); });
    window.setDialog(QStringLiteral("mStat6"), [&window] { runModal<frmLogStat>(window); });
    auto finish = std::make_unique<FinishWinHandler>(&window, [&window] { window.openSelect(); });
    finish->dealRandom = [&window](const QString &name) { window.winnableDeals().dealRandom(name); };
    window.setWinHandler(std::move(finish));
}

void setUpApplication(const QString &version)
{
    QApplication::setApplicationName(QStringLiteral("Cardova"));
    QApplication::setApplicationVersion(version);
    QApplication::setDesktopFileName(QStringLiteral("cardova"));
}

void showStartSelection(frmMain &window)
{
    auto *dialog = new frmSelect(window.context(), &window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setCreateGame([&window] { runWizard(window); });
    dialog->dealRandom = [&window](const QString &name) { window.winnableDeals().dealRandom(name); };
    QObject::connect(dialog, &QDialog::finished, &window, [&window] { afterDialog(window); });
    dialog->show();
}

ProgramStart::ProgramStart(GameContext &ctx, Appearance &art) : ctx_(ctx), art_(art) {}

ProgramStart::~ProgramStart()
{
    main_.reset(); // the window lets go of the context before the splash goes
    splash_.reset();
}

void ProgramStart::begin()
{
    // A game to continue is what the player left: it comes at once.
    const bool asked = request_.kind != StartRequest::Kind::None;
    if (asked || (ctx_.data.ContinueGame() != 0 && savedGameExists(ctx_.data))) {
        openMain();
        return;
    }
    splash_ = std::make_unique<frmSplash>([this] { openMain(); });
    splash_->show();
}

void ProgramStart::openMain()
{
    if (main_)
        return;
    // Every window from here on shows the program's icon. The splash is
    // shown before it: it has no frame and no place in a task bar, and
    // drawing the icon's sizes for it would only delay it.
    QApplication::setWindowIcon(applicationIcon());
    main_ = std::make_unique<frmMain>(ctx_, art_);
    wireDialogs(*main_);
    if (windowMade)
        windowMade(*main_);
    main_->show();
    // The main window is up first, so the program never finds itself
    // without a window; the splash goes before any message can open.
    // It is deleted once its own timer's call has returned, so its picture
    // and its window's backing store do not stay for the whole run.
    if (splash_) {
        splash_->close();
        splash_.release()->deleteLater();
    }
    // A kept game is continued first even when another game was named: the
    // named game then replaces it as "New game" would, which records it, so
    // it is never lost unseen (and it stays when the name is no game).
    const bool continued = main_->continueSavedGame();
    if (!startRequested() && !continued)
        showStartSelection(*main_);
}

bool ProgramStart::startRequested()
{
    if (request_.kind == StartRequest::Kind::Error) {
        main_->inform(request_.problem);
        return false;
    }
    if (request_.kind != StartRequest::Kind::Game)
        return false;
    const NamedGame game = findNamedGame(ctx_, request_.game);
    if (!game.problem.isEmpty()) {
        main_->inform(game.problem);
        return false;
    }
    if (game.added)
        main_->RefreshRecent();
    if (!request_.number) {
        // Dealt as "New game" deals: a winnable deal when the player asks
        // for those, which may come a moment later.
        main_->winnableDeals().dealRandom(game.name);
        return true;
    }
    main_->startGame(game.name, *request_.number);
    return ctx_.GameRunning() && ctx_.data.CurGName() == game.name;
}

void ProgramStart::bringToFront()
{
    QWidget *window = main_ ? static_cast<QWidget *>(main_.get()) : splash_.get();
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    // A dialog open over the window stays on top of it.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
    // Where the desktop will not hand the focus over, the window asks for
    // attention instead.
    QApplication::alert(window);
}

} // namespace cardova::ui
