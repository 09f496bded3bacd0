#include "ui/windows/frmMain.h"

#include "ui/windows/StaleInput.h"

#include "common/FormatTime.h"
#include "common/PrintableText.h"
#include "session/Commands.h"
#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/Lifecycle.h"
#include "session/SaveKeeper.h"
#include "session/cTrans.h"
#include "ui/windows/CounterStrip.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/Help.h"
#include "ui/appearance/HelpViewer.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/SolverAdvice.h"
#include "ui/windows/TableView.h"
#include "ui/windows/WindowMemory.h"
#include "ui/windows/WinnableDeals.h"
#include "ui/windows/frmAbout.h"
#include "ui/windows/frmCustomize.h"
#include "ui/windows/frmHistory.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace cardova::ui {

namespace {
// How long a message stays in the status bar.
constexpr int kStatusMs = 10000;
// The first client area: 10095 x 6555 table units.
const QSize kFirstClientSize(10095 / kTwipsPerPixel, 6555 / kTwipsPerPixel);
// The whole table, when the screen has room for it.
const QSize kTableSize(kBackWidth / kTwipsPerPixel, kBackHeight / kTwipsPerPixel);
} // namespace

frmMain::frmMain(GameContext &ctx, Appearance &appearance, QWidget *parent)
    : QMainWindow(parent), ctx_(ctx), art_(appearance)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(applicationIcon());
    table_ = new TableView(ctx_, art_, this);
    setCentralWidget(table_);
    table_->setFocus(); // the keys of keyboard play go to the table
    staleInput_ = new StaleInput(this);
    QCoreApplication::instance()->installEventFilter(staleInput_);
    ctx_.setSurface(table_);
    ctx_.table.setLayout(&table_->layout());
    help_ = new Help(ctx_.data, ctx_.custom, this);
    inform = [this](const QString &text) {
        QMessageBox::information(this, ctx_.data.ProdName(), printableText(text));
    };
    ctx_.reportProblem = [this](const QString &text) { inform(text); };
    ctx_.gameChanged = [this] { gameChanged(); };
    // A move refused for a reason the player can act on says why, briefly.
    ctx_.moveRefused = [this](const QString &reason) { showStatus(reason); };
    keeper_ = std::make_unique<SaveKeeper>(ctx_);
    ctx_.tableSettled = [this] {
        keeper_->settle();
        actionEnded();
    };
    // Settings problems can turn up inside any command that stores a
    // setting; the player reads about them once that command is over.
    ctx_.data.setProblemReport([this](const QString &text) {
        QTimer::singleShot(0, this, [this, text] { inform(text); });
    });

    winnable_ = std::make_unique<WinnableDeals>(
        ctx_, [this](const QString &name, const GameNumber &number) { startGame(name, number); },
        [this](const QString &text) { showStatus(text); });

    InitMain(ctx_);
    table_->CreateSprites();
    buildMenus();
    buildToolbar();
    toolbar_->setVisible(ctx_.data.ShowToolbar() != 0);
    RefreshRecent();
    table_->ArrangeTable();
    setWindowTitle(ctx_.data.ProdName());
    items_.at(QStringLiteral("mHelp8"))->setText(QStringLiteral("About ") + ctx_.data.ProdName() + QStringLiteral("..."));
    placeOnScreen();
    // Where the player left the window last time, when that is known.
    rememberGeometry(*this, ctx_.data);

    tmrMain.setInterval(100);
    tmrTime.setInterval(500);
    tmrForward.setInterval(500);
    tmrBackward.setInterval(500);
    connect(&tmrMain, &QTimer::timeout, this, [this] {
        RefreshCommands();
        RefreshToolbar();
        advice_->sync(); // catches what changed without moving a card (autoplay switched)
    });
    // After each action, once the win check and its dialog are through.
    connect(table_, &TableView::settled, advice_.get(), &SolverAdvice::sync, Qt::QueuedConnection);
    connect(&tmrTime, &QTimer::timeout, this, [this] { RefreshCounters(); });
    connect(&tmrForward, &QTimer::timeout, this, [this] { forwardTick(); });
    connect(&tmrBackward, &QTimer::timeout, this, [this] { backwardTick(); });
    RefreshCommands();
    RefreshToolbar();
    RefreshCounters();
}

void frmMain::placeOnScreen()
{
    // Opens centred at the classic first size: a client area (toolbar and
    // status bar inside it) below the menu bar. The table fits it, which
    // shows Klondike's cards at their drawn size; a larger window would
    // only show larger cards, at the cost of a larger backing store and
    // larger pictures. A table of fixed size is shown whole where the
    // screen has room, as it cannot shrink into the window.
    const int menu = menuBar()->sizeHint().height();
    const QSize first(kFirstClientSize.width(), kFirstClientSize.height() + menu);
    const int bars = (toolbar_->isHidden() ? 0 : toolbar_->sizeHint().height()) + statusBar()->sizeHint().height();
    QSize size = ctx_.data.FitTable() != 0 ? first : QSize(kTableSize.width(), kTableSize.height() + menu + bars);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        size = size.boundedTo(screen->availableGeometry().size() * 0.92).expandedTo(first);
    resize(size);
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

frmMain::~frmMain()
{
    ctx_.setSurface(nullptr);
    ctx_.table.setLayout(nullptr);
    ctx_.setWinHandler(nullptr);
    ctx_.reportProblem = [](const QString &) {};
    ctx_.gameChanged = [] {};
    ctx_.tableSettled = [] {};
    ctx_.moveRefused = [](const QString &) {};
    ctx_.data.setProblemReport(nullptr);
    delete help_;
}

void frmMain::setDialog(const QString &item, std::function<void()> open)
{
    dialogs_[item] = std::move(open);
    if (QAction *action = items_.at(item))
        action->setEnabled(bool(dialogs_[item]));
    RefreshToolbar();
}

void frmMain::setWinHandler(std::unique_ptr<WinHandler> handler)
{
    winHandler_ = std::move(handler);
    ctx_.setWinHandler(winHandler_.get());
}

QAction *frmMain::menuItem(const QString &menu, int index) const
{
    const auto it = items_.find(menu + QString::number(index));
    return it == items_.end() ? nullptr : it->second;
}

QAction *frmMain::toolbarButton(const QString &key) const
{
    const auto it = buttons_.find(key);
    return it == buttons_.end() ? nullptr : it->second;
}

void frmMain::RefreshCommands()
{
    const bool running = ctx_.GameRunning();
    const auto set = [this](const char *name, bool enabled) { items_.at(QLatin1String(name))->setEnabled(enabled); };
    items_.at(QStringLiteral("mGame9"))->setChecked(ctx_.data.ShowToolbar() != 0);
    items_.at(QStringLiteral("mGame15"))->setChecked(isFullScreen());
    // Dialog commands work once the program has handed their dialogs over.
    set("mFile2", bool(openSelect));
    set("mFile7", bool(openChoose));
    set("mStat4", bool(openHighScore));
    set("mFile4", running);
    set("mFile5", running);
    set("mFav1", running);
    set("mTools5", running);
    QAction *autoplay = items_.at(QStringLiteral("mGame4"));
    autoplay->setChecked(ctx_.data.Autoplay() != 0);
    autoplay->setEnabled(ctx_.games.DisAutoPlay() == 0);
    const bool idle = running && !replaying() && ctx_.trans;
    const bool canUndo = idle && ctx_.trans->UndoPossible();
    const bool canRedo = idle && ctx_.trans->RedoPossible();
    set("mGame1", canUndo);
    set("mGame6", canUndo);
    set("mGame2", canRedo);
    set("mGame7", canRedo);
    set("mReplay1", canRedo);
    set("mReplay2", canUndo);
    set("mReplay4", canUndo || canRedo);
    set("mGame11", running && !replaying());
    set("mGame12", running && !replaying());
    items_.at(QStringLiteral("mGame13"))->setChecked(ctx_.data.ShowWinnable() != 0);
    items_.at(QStringLiteral("mGame14"))->setChecked(ctx_.data.WinnableOnly() != 0);
    RefreshRecent();
    updateCaption();
    pauseWhenIdle();
}

void frmMain::pauseWhenIdle()
{
    // With no game and no replay nothing changes except through a command,
    // and every command refreshes at once: the periodic timers rest then.
    const bool active = !closing_ && (ctx_.GameRunning() || replaying());
    if (active && !tmrMain.isActive()) {
        tmrMain.start();
        tmrTime.start();
    } else if (!active && tmrMain.isActive()) {
        tmrMain.stop();
        tmrTime.stop();
        RefreshCounters();
    }
}

void frmMain::RefreshToolbar()
{
    for (const auto &[key, button] : buttons_) {
        const QAction *source = items_.at(buttonSource_.at(key));
        button->setEnabled(source->isEnabled());
        if (button->isCheckable())
            button->setChecked(source->isChecked());
    }
}

void frmMain::RefreshRecent()
{
    for (int i = 1; i <= 5; ++i) {
        const QString name = ctx_.data.GetRecent(int16_t(i));
        QAction *item = items_.at(QStringLiteral("mRecent%1").arg(i));
        QString caption;
        if (!name.isEmpty())
            caption = QStringLiteral("&%1 %2").arg(i).arg(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        if (item->text() != caption)
            item->setText(caption);
        // The first entry always stays, even without a caption; empty, it
        // has no game to start.
        item->setVisible(i == 1 || !name.isEmpty());
        item->setEnabled(!name.isEmpty());
    }
}

void frmMain::RefreshCounters()
{
    const bool running = ctx_.GameRunning();
    mScore_->setText(running && ctx_.data.ShowScore() == 1
                         ? QStringLiteral("Score :%1").arg(GetScore(ctx_))
                         : QString());
    mTime_->setText(running && ctx_.data.ShowTime() == 1
                        ? QStringLiteral("Time :") + FormatTime(ElapsedTime(ctx_))
                        : QString());
    mMoves_->setText(running && ctx_.data.ShowMoves() == 1 && ctx_.trans
                         ? QStringLiteral("Moves :%1").arg(ctx_.trans->GetTransID())
                         : QString());
    UpdateCounters(ctx_);
}

void frmMain::updateCaption()
{
    const QString caption = MainCaption(ctx_);
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

bool frmMain::replaying() const { return ctx_.phase == GamePhase::Replaying; }

void frmMain::startReplay(QTimer &timer)
{
    if (!ctx_.GameRunning())
        return;
    ctx_.phase = GamePhase::Replaying;
    advice_->sync(); // the search stops for the replay
    timer.start();
}

void frmMain::StopReplay()
{
    items_.at(QStringLiteral("mReplay6"))->setEnabled(false);
    tmrBackward.stop();
    tmrForward.stop();
    if (ctx_.phase == GamePhase::Replaying)
        ctx_.phase = GamePhase::Playing;
    RefreshToolbar();
    advice_->sync();
}

void frmMain::gameChanged()
{
    // A game started or ended, from a command of this window or elsewhere
    // (the finished-game dialog): a replay of the old game ends, and the
    // commands, counters and timers follow the new state at once.
    StopReplay();
    winnable_->cancel(); // a game started meanwhile: the player has what they asked for
    advice_->gameChanged();
    RefreshCommands();
    RefreshToolbar();
    RefreshCounters();
    if (ctx_.GameRunning())
        dropQueuedInput();
}

void frmMain::dropQueuedInput()
{
    staleInput_->dropQueuedUntilNow();
}

void frmMain::actionEnded()
{
    // The counters show what an action did as soon as it is over; the clock
    // ticks on with the timer. Time, moves and the score made of them are
    // stored together, as they are when a game ends, so the score shown is
    // the one the score store would record now.
    FinalCounters(ctx_);
    RefreshCounters();
}

void frmMain::forwardTick()
{
    // A card held by the mouse stays put: the replay waits for the release.
    if (ctx_.input.Dragging)
        return;
    tmrBackward.stop();
    items_.at(QStringLiteral("mReplay6"))->setEnabled(true);
    if (!ReplayForwardStep(ctx_))
        StopReplay();
}

void frmMain::backwardTick()
{
    if (ctx_.input.Dragging)
        return;
    tmrForward.stop();
    items_.at(QStringLiteral("mReplay6"))->setEnabled(true);
    if (!ReplayBackwardStep(ctx_))
        StopReplay();
}

void frmMain::startGame(const QString &name, const GameNumber &number)
{
    // A game that starts refreshes the window through gameChanged; one that
    // cannot be loaded changes nothing.
    const QString problem = NewGame(ctx_, name, number);
    if (!problem.isEmpty())
        inform(problem);
}

void frmMain::cmdNewGame()
{
    winnable_->dealRandom(ctx_.data.LastGName());
}

void frmMain::showStatus(const QString &text)
{
    // The status bar shows only while it has something to say.
    QStatusBar *bar = statusBar();
    if (bar->objectName().isEmpty()) {
        bar->setObjectName(QStringLiteral("statusBar"));
        connect(bar, &QStatusBar::messageChanged, this, [this] { strip_->updateStatusBar(); });
    }
    bar->show();
    bar->showMessage(text, kStatusMs);
}

void frmMain::cmdRestart()
{
    if (ctx_.GameRunning())
        startGame(ctx_.data.CurGName(), ctx_.data.CurGNo());
}

void frmMain::cmdCloseGame()
{
    if (ctx_.GameRunning())
        EndGame(ctx_, 0);
}

void frmMain::cmdRecent(int i)
{
    const QString name = ctx_.data.GetRecent(int16_t(i));
    if (!name.isEmpty())
        winnable_->dealRandom(name);
}

void frmMain::cmdAddFavourite()
{
    if (!ctx_.GameRunning())
        return;
    const QString number = ctx_.data.CurGNo().toText();
    const QString game = ctx_.data.CurGName();
    if (!ctx_.scores.AddFav(game, ctx_.data.CurGNo())) {
        inform(QStringLiteral("The favourite could not be saved to %1.").arg(ctx_.scores.favFilePath()));
        return;
    }
    inform(QStringLiteral("Game <") + number + QStringLiteral("> Successfully Added to Favorites Under <") +
           game + QStringLiteral("> Folder"));
}

void frmMain::cmdRules()
{
    if (ctx_.GameRunning())
        help_->ShowRules(ctx_.data.CurGName());
    else
        help_->ShowContents();
}

void frmMain::cmdContents()
{
    help_->ShowContents();
}

void frmMain::cmdCustomize()
{
    frmCustomize dialog(ctx_, art_, this);
    if (dialog.exec() == QDialog::Accepted)
        applySettings();
    // "Fit table to window" applies whichever button closed the dialog.
    table_->ArrangeTable();
}

void frmMain::applySettings()
{
    // A new background and deck back show at once.
    table_->refreshBackground();
    table_->ApplyDeckBack();
}

void frmMain::cmdHistory()
{
    if (!ctx_.GameRunning() || !ctx_.trans)
        return;
    frmHistory history(*ctx_.trans, this);
    rememberGeometry(history, ctx_.data);
    history.exec();
}

void frmMain::cmdAbout()
{
    frmAbout about(ctx_.data, this);
    about.exec();
}

void frmMain::cmdToggleToolbar()
{
    ctx_.data.setIntSetting(IntKey::ShowToolbar, ctx_.data.ShowToolbar() != 0 ? 0 : 1);
    toolbar_->setVisible(ctx_.data.ShowToolbar() != 0);
    table_->ArrangeTable();
    RefreshCommands();
}

void frmMain::cmdToggleFullScreen()
{
    // Leaving full screen goes back to a maximised or normal window,
    // whichever it was; the table follows through its resize.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    RefreshCommands();
}

void frmMain::cmdReplayAll()
{
    ReplayRewind(ctx_);
    startReplay(tmrForward);
}

bool frmMain::continueSavedGame()
{
    if (ctx_.data.ContinueGame() == 0)
        return false;
    const ContinueResult result = cardova::continueSavedGame(ctx_);
    if (result.fileBlocked)
        keeper_->stop(); // the unreadable file must not be written over
    if (!result.message.isEmpty())
        inform(result.message);
    return result.kind == ContinueResult::Kind::Continued;
}

bool frmMain::keepForNextStart()
{
    FinalCounters(ctx_); // the clock and score as the player leaves them
    const QString problem = keeper_->saveNow();
    if (problem.isEmpty())
        return true;
    inform(QStringLiteral("The game could not be kept for the next start (%1), so it is counted as lost.")
               .arg(problem));
    return false;
}

void frmMain::cmdExit()
{
    // Ends at once: a game on the table is neither recorded nor kept for
    // the next start.
    keeper_->discard();
    exiting_ = true;
    QCoreApplication::exit(0);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    closing_ = true;
    tmrMain.stop();
    tmrTime.stop();
    StopReplay();
    // A game on the table is recorded, unless the player keeps it for the
    // next start: a won one whose dialog has not opened yet as won.
    if (!exiting_ && ctx_.GameRunning()) {
        if (ctx_.data.ContinueGame() == 0 || !keepForNextStart())
            EndGame(ctx_, 0);
    } else if (!exiting_ && ctx_.phase == GamePhase::Finished) {
        EndGame(ctx_, 1);
    }
    keeper_->stop(); // whatever happens to the table now is no move of the player's
    event->accept();
}

} // namespace cardova::ui
