#pragma once
// The main window: the table, the menus, the toolbar and the counters. Its
// commands are thin: they call the game's routines or open a dialog.
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;

namespace cardova {
class GameContext;
class GameNumber;
class SaveKeeper;
class WinHandler;
}

namespace cardova::ui {

class Appearance;
class CounterStrip;
class Help;
class SolverAdvice;
class StaleInput;
class TableView;
class WinnableDeals;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(GameContext &ctx, Appearance &appearance, QWidget *parent = nullptr);
    ~frmMain() override;

    TableView *table() const { return table_; }
    // The background solver: the verdict in the menu bar and the hints.
    SolverAdvice &solver() { return *advice_; }
    // "Winnable Deals Only": new games with a random number.
    WinnableDeals &winnableDeals() { return *winnable_; }
    GameContext &context() { return ctx_; }
    Appearance &appearance() { return art_; }
    // Menu item by its array name and index ("mFile", 4), or toolbar button
    // action by its identifier ("Restart").
    QAction *menuItem(const QString &menu, int index) const;
    QAction *toolbarButton(const QString &key) const;

    // The periodic work, callable directly by tests.
    void RefreshCommands();
    void RefreshToolbar();
    void RefreshRecent();
    void RefreshCounters();
    void forwardTick();
    void backwardTick();
    // Mouse and key input that queued up while the window was busy (a deal,
    // an undo-all) is dropped when it arrives: a click made then must not act.
    void dropQueuedInput();
    void StopReplay();
    bool replaying() const;
    // Starts a replay timer; the game is replayed until StopReplay.
    void startReplay(QTimer &timer);

    // Shows stored appearance settings on the table (after "Customize").
    void applySettings();

    // At start, with "Continue the game at the next start" on: lays out the
    // game kept when the window last closed. True when a game was continued;
    // a kept file that cannot be continued is set aside and the player told.
    bool continueSavedGame();

    // Starts a game and reports a game that cannot be loaded.
    void startGame(const QString &name, const GameNumber &number);

    // Dialogs the window opens; set by the program (dialogs live elsewhere).
    std::function<void()> openSelect;
    std::function<void()> openChoose;
    std::function<void()> openHighScore;
    // Hands over the dialog of a menu item ("mFav2", "mTools3", ...): the
    // item turns on and opens it.
    void setDialog(const QString &item, std::function<void()> open);

    // The finished-game dialog the winning move opens; owned by the window.
    void setWinHandler(std::unique_ptr<WinHandler> handler);

    // Shows a message; replaced by tests.
    std::function<void(const QString &)> inform;

    QTimer tmrMain;
    QTimer tmrTime;
    QTimer tmrForward;
    QTimer tmrBackward;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    QAction *addItem(QMenu *menu, const QString &array, int index, const QString &caption,
                     const QKeySequence &shortcut, std::function<void()> action);
    void addSeparator(QMenu *menu, const QString &array, int index);
    void addButton(const QString &key, const QString &tip, const QString &same, int index);
    void cmdNewGame();
    void showStatus(const QString &text);
    void cmdRestart();
    void cmdCloseGame();
    void cmdExit();
    void cmdRecent(int i);
    void cmdAddFavourite();
    void cmdRules();
    void cmdContents();
    void cmdAbout();
    void cmdHistory();
    void cmdCustomize();
    void cmdToggleToolbar();
    void cmdToggleFullScreen();
    void cmdReplayAll();
    void updateCaption();
    void placeOnScreen();
    void pauseWhenIdle();
    void gameChanged();
    void actionEnded();
    bool keepForNextStart();

    GameContext &ctx_;
    Appearance &art_;
    TableView *table_;
    StaleInput *staleInput_ = nullptr;
    QToolBar *toolbar_;
    Help *help_;
    std::map<QString, QAction *> items_;   // "mFile4" -> action
    std::map<QString, QAction *> buttons_; // "Restart" -> toolbar action
    std::map<QString, QString> buttonSource_; // "Restart" -> "mFile4"
    std::map<QString, std::function<void()>> dialogs_; // "mFav2" -> opener
    QAction *mScore_ = nullptr;
    QAction *mTime_ = nullptr;
    QAction *mMoves_ = nullptr;
    CounterStrip *strip_ = nullptr;
    bool exiting_ = false;
    bool closing_ = false;
    std::unique_ptr<WinHandler> winHandler_;
    std::unique_ptr<SolverAdvice> advice_;
    std::unique_ptr<WinnableDeals> winnable_;
    std::unique_ptr<SaveKeeper> keeper_;
};

} // namespace cardova::ui
