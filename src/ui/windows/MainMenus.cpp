// The menus and the toolbar of the main window.
#include "ui/windows/frmMain.h"

#include "session/Commands.h"
#include "session/GameContext.h"
#include "ui/windows/CounterStrip.h"
#include "ui/windows/SolverAdvice.h"
#include "ui/windows/WinnableDeals.h"
#include "ui/windows/TableView.h"
#include "ui/windows/ToolbarIcons.h"

#include <QMenuBar>
#include <QToolBar>

namespace cardova::ui {

QAction *frmMain::addItem(QMenu *menu, const QString &array, int index, const QString &caption,
                          const QKeySequence &shortcut, std::function<void()> action)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(array + QString::number(index));
    if (!shortcut.isEmpty())
        item->setShortcut(shortcut);
    if (!action) {
        // A dialog handed over later by setDialog; off until then.
        const QString name = item->objectName();
        action = [this, name] {
            if (const auto it = dialogs_.find(name); it != dialogs_.end())
                it->second();
        };
        item->setEnabled(false);
    }
    connect(item, &QAction::triggered, this, [this, action] {
        action();
        // Every command shows its effect at once.
        RefreshCommands();
        RefreshToolbar();
    });
    items_[item->objectName()] = item;
    return item;
}

void frmMain::addSeparator(QMenu *menu, const QString &array, int index)
{
    QAction *sep = menu->addSeparator();
    sep->setObjectName(array + QString::number(index));
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mFile"));
    addItem(file, QStringLiteral("mFile"), 1, QStringLiteral("&New Game"), Qt::Key_F2, [this] { cmdNewGame(); });
    addItem(file, QStringLiteral("mFile"), 2, QStringLiteral("&Select Game"), Qt::Key_F3, [this] {
        if (openSelect)
            openSelect();
    });
    addSeparator(file, QStringLiteral("mFile"), 3);
    addItem(file, QStringLiteral("mFile"), 4, QStringLiteral("&Restart Game"), Qt::Key_F5, [this] { cmdRestart(); });
    addItem(file, QStringLiteral("mFile"), 5, QStringLiteral("&Close Game"), Qt::Key_F6, [this] { cmdCloseGame(); });
    addSeparator(file, QStringLiteral("mFile"), 6);
    addItem(file, QStringLiteral("mFile"), 7, QStringLiteral("Select a Number"), Qt::Key_F8, [this] {
        if (openChoose)
            openChoose();
    });
    addSeparator(file, QStringLiteral("mFile"), 8);
    QMenu *recent = file->addMenu(QStringLiteral("Recent Games"));
    recent->setObjectName(QStringLiteral("mRecent"));
    for (int i = 1; i <= 5; ++i)
        addItem(recent, QStringLiteral("mRecent"), i, QString(), QKeySequence(), [this, i] { cmdRecent(i); });
    items_[QStringLiteral("mFile9")] = recent->menuAction();
    addSeparator(file, QStringLiteral("mFile"), 10);
    addItem(file, QStringLiteral("mFile"), 11, QStringLiteral("E&xit"), QKeySequence(), [this] { cmdExit(); });

    QMenu *game = bar->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("mGame"));
    addItem(game, QStringLiteral("mGame"), 1, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { CmdUndo(ctx_); });
    addItem(game, QStringLiteral("mGame"), 2, QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { CmdRedo(ctx_); });
    addSeparator(game, QStringLiteral("mGame"), 3);
    QAction *autoplay = addItem(game, QStringLiteral("mGame"), 4, QStringLiteral("Autoplay"), Qt::Key_F7,
                                [this] { CmdToggleAutoplay(ctx_); });
    autoplay->setCheckable(true);
    addSeparator(game, QStringLiteral("mGame"), 5);
    addItem(game, QStringLiteral("mGame"), 6, QStringLiteral("U&ndo All"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] {
        CmdUndoAll(ctx_);
        dropQueuedInput();
    });
    addItem(game, QStringLiteral("mGame"), 7, QStringLiteral("R&edo All"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] {
        CmdRedoAll(ctx_);
        dropQueuedInput();
    });
    addSeparator(game, QStringLiteral("mGame"), 8);
    addItem(game, QStringLiteral("mGame"), 9, QStringLiteral("View Toolbar"), QKeySequence(), [this] { cmdToggleToolbar(); })
        ->setCheckable(true);
    // F11 replays forwards; Ctrl+Shift+F is the other common full-screen key.
    addItem(game, QStringLiteral("mGame"), 15, QStringLiteral("&Full Screen"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), [this] { cmdToggleFullScreen(); })
        ->setCheckable(true);
    addSeparator(game, QStringLiteral("mGame"), 10);
    addItem(game, QStringLiteral("mGame"), 11, QStringLiteral("&Hint"), Qt::Key_H, [this] { advice_->hint(); });
    addItem(game, QStringLiteral("mGame"), 12, QStringLiteral("&Solve"), QKeySequence(), [this] { advice_->solve(); });
    addItem(game, QStringLiteral("mGame"), 16, QStringLiteral("Undo to the Last Winnable &Position"), QKeySequence(),
            [this] { advice_->undoToWinnable(); });
    QAction *verdict = addItem(game, QStringLiteral("mGame"), 13, QStringLiteral("Show Whether the Game Can Be Won"),
                               QKeySequence(), [this] { advice_->setShowVerdict(ctx_.data.ShowWinnable() == 0); });
    verdict->setCheckable(true);
    addItem(game, QStringLiteral("mGame"), 14, QStringLiteral("&Winnable Deals Only"), QKeySequence(),
            [this] { winnable_->toggle(); })
        ->setCheckable(true);

    QMenu *replay = bar->addMenu(QStringLiteral("&Replay"));
    replay->setObjectName(QStringLiteral("mReplay"));
    addItem(replay, QStringLiteral("mReplay"), 1, QStringLiteral("&Forward"), Qt::Key_F11, [this] { startReplay(tmrForward); });
    addItem(replay, QStringLiteral("mReplay"), 2, QStringLiteral("&Back"), Qt::Key_F12, [this] { startReplay(tmrBackward); });
    addSeparator(replay, QStringLiteral("mReplay"), 3);
    addItem(replay, QStringLiteral("mReplay"), 4, QStringLiteral("Replay &All"), QKeySequence(), [this] { cmdReplayAll(); });
    addSeparator(replay, QStringLiteral("mReplay"), 5);
    addItem(replay, QStringLiteral("mReplay"), 6, QStringLiteral("Sto&p"), QKeySequence(), [this] { StopReplay(); })
        ->setEnabled(false);

    QMenu *fav = bar->addMenu(QStringLiteral("Favorites"));
    fav->setObjectName(QStringLiteral("mFav"));
    addItem(fav, QStringLiteral("mFav"), 1, QStringLiteral("&Add to Favorites"), QKeySequence(Qt::CTRL | Qt::Key_A), [this] { cmdAddFavourite(); });
    addItem(fav, QStringLiteral("mFav"), 2, QStringLiteral("&Organize Favorites"), QKeySequence(Qt::CTRL | Qt::Key_F), nullptr);
    addSeparator(fav, QStringLiteral("mFav"), 3);
    addItem(fav, QStringLiteral("mFav"), 4, QStringLiteral("&Play from Favorites"), QKeySequence(Qt::CTRL | Qt::Key_P), nullptr);

    QMenu *stat = bar->addMenu(QStringLiteral("Statistics"));
    stat->setObjectName(QStringLiteral("mStat"));
    addItem(stat, QStringLiteral("mStat"), 1, QStringLiteral("&Game Statistics"), Qt::Key_F4, nullptr);
    addItem(stat, QStringLiteral("mStat"), 2, QStringLiteral("&Session Statistics"), QKeySequence(), nullptr);
    addSeparator(stat, QStringLiteral("mStat"), 3);
    addItem(stat, QStringLiteral("mStat"), 4, QStringLiteral("&High Scores"), Qt::Key_F9, [this] {
        if (openHighScore)
            openHighScore();
    });
    addSeparator(stat, QStringLiteral("mStat"), 5);
    addItem(stat, QStringLiteral("mStat"), 6, QStringLiteral("&Log Statistics"), QKeySequence(), nullptr);

    QMenu *tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mTools"));
    addItem(tools, QStringLiteral("mTools"), 1, QStringLiteral("Customize"), QKeySequence(Qt::CTRL | Qt::Key_U),
            [this] { cmdCustomize(); });
    addSeparator(tools, QStringLiteral("mTools"), 2);
    addItem(tools, QStringLiteral("mTools"), 3, QStringLiteral("&Players"), QKeySequence(Qt::CTRL | Qt::Key_L), nullptr);
    addSeparator(tools, QStringLiteral("mTools"), 4);
    addItem(tools, QStringLiteral("mTools"), 5, QStringLiteral("&History"), QKeySequence(Qt::CTRL | Qt::Key_H),
            [this] { cmdHistory(); });
    addSeparator(tools, QStringLiteral("mTools"), 6);
    addItem(tools, QStringLiteral("mTools"), 7, QStringLiteral("&Game Wizard"), QKeySequence(Qt::CTRL | Qt::Key_G), nullptr);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mHelp"));
    addItem(help, QStringLiteral("mHelp"), 1, QStringLiteral("Rules"), Qt::Key_F1, [this] { cmdRules(); });
    addItem(help, QStringLiteral("mHelp"), 2, QStringLiteral("Contents"), QKeySequence(), [this] { cmdContents(); });
    addSeparator(help, QStringLiteral("mHelp"), 7);
    addItem(help, QStringLiteral("mHelp"), 8, QStringLiteral("About Cardova..."), QKeySequence(), [this] { cmdAbout(); });

    // Three spacers follow the menus. The counters' strip keeps its own
    // distance from the menus, so they take no room: a narrow window needs
    // all it has.
    for (int i = 1; i <= 3; ++i) {
        QAction *spacer = bar->addAction(QString());
        spacer->setObjectName(QStringLiteral("mtemp%1").arg(i));
        spacer->setEnabled(false);
        spacer->setVisible(false);
    }
    // The counters' captions; the strip at the right of the menu bar shows them.
    const auto caption = [this](const char *name) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mScore_ = caption("mScore");
    mTime_ = caption("mTime");
    mMoves_ = caption("mMoves");
    QAction *solverLabel = caption("mSolver");
    strip_ = new CounterStrip(*this, *help->menuAction(), *mScore_, *mTime_, *mMoves_, *solverLabel);
    advice_ = std::make_unique<SolverAdvice>(ctx_, *table_, *solverLabel, SolverAdvice::windowBudget());
    advice_->setUndoToWinnableAction(items_.at(QStringLiteral("mGame16")));
}

void frmMain::addButton(const QString &key, const QString &tip, const QString &same, int index)
{
    QAction *source = items_.at(same);
    QAction *button = toolbar_->addAction(ToolbarIcons::icon(key), tip);
    button->setObjectName(key);
    button->setToolTip(tip);
    button->setProperty("buttonIndex", index);
    button->setCheckable(source->isCheckable());
    connect(button, &QAction::triggered, source, [source] { source->trigger(); });
    buttons_[key] = button;
    buttonSource_[key] = same;
}

void frmMain::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    // Only "View Toolbar" shows or hides the toolbar, so the setting and the
    // window never disagree: Qt's own right-click menu, which lists a toggle
    // for every toolbar, is switched off.
    toolbar_->toggleViewAction()->setEnabled(false);
    toolbar_->toggleViewAction()->setVisible(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->setIconSize(QSize(22, 22));
    addButton(QStringLiteral("New"), QStringLiteral("New Game"), QStringLiteral("mFile1"), 1);
    addButton(QStringLiteral("Select"), QStringLiteral("Select Game"), QStringLiteral("mFile2"), 2);
    addButton(QStringLiteral("Restart"), QStringLiteral("Restart Game"), QStringLiteral("mFile4"), 3);
    toolbar_->addSeparator();
    addButton(QStringLiteral("Autoplay"), QStringLiteral("Autoplay"), QStringLiteral("mGame4"), 5);
    toolbar_->addSeparator();
    addButton(QStringLiteral("Undo"), QStringLiteral("Undo"), QStringLiteral("mGame1"), 7);
    addButton(QStringLiteral("Redo"), QStringLiteral("Redo"), QStringLiteral("mGame2"), 8);
    addButton(QStringLiteral("Hint"), QStringLiteral("Hint"), QStringLiteral("mGame11"), 9);
    toolbar_->addSeparator();
    addButton(QStringLiteral("Back"), QStringLiteral("Replay Back"), QStringLiteral("mReplay2"), 10);
    addButton(QStringLiteral("ReplayStop"), QStringLiteral("Replay Stop"), QStringLiteral("mReplay6"), 11);
    addButton(QStringLiteral("Forward"), QStringLiteral("Replay Forward"), QStringLiteral("mReplay1"), 12);
    toolbar_->addSeparator();
    addButton(QStringLiteral("Statistics"), QStringLiteral("Statistics"), QStringLiteral("mStat1"), 14);
    toolbar_->addSeparator();
    addButton(QStringLiteral("Help"), QStringLiteral("Help"), QStringLiteral("mHelp1"), 16);
}

} // namespace cardova::ui
