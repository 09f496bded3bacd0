#include "WindowFixture.h"

#include "session/Input.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmAbout.h"
#include "ui/windows/frmHistory.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>

using namespace cardova;
using namespace cardova::test;

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, CommandsWithoutAGame)
{
    refresh();
    window->RefreshCounters();
    for (auto [menu, index] : {std::pair{"mGame", 1}, {"mGame", 2}, {"mGame", 6}, {"mGame", 7}, {"mReplay", 1},
                               {"mReplay", 2}, {"mReplay", 4}, {"mReplay", 6}, {"mFile", 4}, {"mFile", 5},
                               {"mFav", 1}, {"mTools", 5}})
        EXPECT_FALSE(item(menu, index)->isEnabled()) << menu << index;
    for (auto [menu, index] : {std::pair{"mFile", 1}, {"mFile", 2}, {"mFile", 7}, {"mFile", 11}, {"mHelp", 1}})
        EXPECT_TRUE(item(menu, index)->isEnabled()) << menu << index;
    EXPECT_EQ(counter("mScore")->text(), "");
    EXPECT_EQ(counter("mTime")->text(), "");
    EXPECT_EQ(counter("mMoves")->text(), "");
    EXPECT_FALSE(window->toolbarButton(QStringLiteral("Restart"))->isEnabled());
    EXPECT_TRUE(window->toolbarButton(QStringLiteral("New"))->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Cardova");
    EXPECT_EQ(item("mHelp", 8)->text(), "About Cardova...");
    item("mFile", 2)->trigger();
    window->toolbarButton(QStringLiteral("Select"))->trigger();
    item("mFile", 7)->trigger();
    item("mStat", 4)->trigger();
    EXPECT_EQ(opened, (QStringList{"select", "select", "choose", "highscore"}));
    // Without its dialog a command is off rather than doing nothing.
    window->openChoose = nullptr;
    refresh();
    EXPECT_FALSE(item("mFile", 7)->isEnabled());
    for (auto [menu, index] : {std::pair{"mFav", 2}, {"mFav", 4}, {"mStat", 1}, {"mStat", 2}, {"mStat", 6},
                               {"mTools", 3}, {"mTools", 5}, {"mTools", 7}})
        EXPECT_FALSE(item(menu, index)->isEnabled()) << menu << index;
    // Handing a dialog over turns its item on and makes it open that dialog.
    window->setDialog(QStringLiteral("mTools3"), [this] { opened << QStringLiteral("players"); });
    EXPECT_TRUE(item("mTools", 3)->isEnabled());
    item("mTools", 3)->trigger();
    EXPECT_EQ(opened.last(), "players");
}

TEST_F(MainWindowTest, CommandsFollowTheGameAndTheLog)
{
    item("mFile", 1)->trigger(); // "New Game": the last game with a random number
    ASSERT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Klondike");
    refresh();
    EXPECT_TRUE(item("mFile", 4)->isEnabled());
    EXPECT_TRUE(item("mFile", 5)->isEnabled());
    EXPECT_TRUE(window->toolbarButton(QStringLiteral("Restart"))->isEnabled());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Cardova [Klondike] [Player1] [")));

    ctx->data.SetAutoplay(0);
    CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    refresh();
    EXPECT_TRUE(item("mGame", 1)->isEnabled());
    EXPECT_TRUE(item("mReplay", 2)->isEnabled());
    EXPECT_FALSE(item("mGame", 2)->isEnabled());
    item("mGame", 1)->trigger();
    refresh();
    EXPECT_TRUE(item("mGame", 2)->isEnabled());
    EXPECT_TRUE(item("mReplay", 1)->isEnabled());
    EXPECT_TRUE(item("mReplay", 4)->isEnabled());

    // During a replay only "Stop" is available.
    item("mReplay", 1)->trigger();
    EXPECT_TRUE(window->replaying());
    refresh();
    for (auto [menu, index] : {std::pair{"mGame", 1}, {"mGame", 2}, {"mGame", 6}, {"mGame", 7},
                               {"mReplay", 1}, {"mReplay", 2}, {"mReplay", 4}})
        EXPECT_FALSE(item(menu, index)->isEnabled()) << menu << index;
    window->forwardTick();
    EXPECT_TRUE(item("mReplay", 6)->isEnabled());
    window->forwardTick(); // nothing left: the replay stops itself
    EXPECT_FALSE(window->replaying());
    EXPECT_FALSE(item("mReplay", 6)->isEnabled());

    item("mFile", 5)->trigger(); // "Close Game"
    EXPECT_FALSE(ctx->GameRunning());
    ASSERT_EQ(ctx->scores.SesTop(), 1);
}

TEST_F(MainWindowTest, CountersFollowTheirSwitches)
{
    ctx->now = [] { return QDateTime(QDate(2026, 1, 1), QTime(10, 0, 0)); };
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    ctx->now = [] { return QDateTime(QDate(2026, 1, 1), QTime(10, 59, 59)); };
    window->RefreshCounters();
    EXPECT_EQ(counter("mTime")->text(), "Time :0:59:59");
    EXPECT_EQ(counter("mMoves")->text(), "Moves :1");
    EXPECT_TRUE(counter("mScore")->text().startsWith(QStringLiteral("Score :")));
    ctx->now = [] { return QDateTime(QDate(2026, 1, 1), QTime(11, 0, 0)); };
    ctx->data.setIntSetting(IntKey::ShowScore, 0);
    window->RefreshCounters();
    EXPECT_EQ(counter("mTime")->text(), "Time :1:00:00");
    EXPECT_EQ(counter("mScore")->text(), "");
}

TEST_F(MainWindowTest, RecentMenuKeepsItsFirstEntry)
{
    ctx->data.ClearRecent();
    window->RefreshRecent();
    EXPECT_TRUE(item("mRecent", 1)->isVisible());
    EXPECT_EQ(item("mRecent", 1)->text(), "");
    for (int i = 2; i <= 5; ++i)
        EXPECT_FALSE(item("mRecent", i)->isVisible()) << i;
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(1));
    window->startGame(QStringLiteral("Klondike Plus"), GameNumber::fromNumber(1));
    window->RefreshRecent();
    EXPECT_EQ(item("mRecent", 1)->text(), "&1 Klondike Plus");
    EXPECT_EQ(item("mRecent", 2)->text(), "&2 Lawn");
    EXPECT_TRUE(item("mRecent", 2)->isVisible());
    EXPECT_FALSE(item("mRecent", 3)->isVisible());
    item("mRecent", 2)->trigger(); // a recent game starts with a new number
    EXPECT_EQ(ctx->data.CurGName(), "Lawn");
}

TEST_F(MainWindowTest, AutoplayAndToolbarToggles)
{
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    refresh();
    EXPECT_TRUE(item("mGame", 4)->isChecked());
    EXPECT_TRUE(window->toolbarButton(QStringLiteral("Autoplay"))->isChecked());
    window->toolbarButton(QStringLiteral("Autoplay"))->trigger();
    EXPECT_EQ(ctx->data.Autoplay(), 0);
    refresh();
    EXPECT_FALSE(window->toolbarButton(QStringLiteral("Autoplay"))->isChecked());

    QToolBar *bar = window->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    ASSERT_TRUE(bar);
    window->show();
    EXPECT_TRUE(bar->isVisible());
    item("mGame", 9)->trigger();
    EXPECT_EQ(ctx->data.ShowToolbar(), 0);
    EXPECT_FALSE(bar->isVisible());
    item("mGame", 9)->trigger();
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(MainWindowTest, UnknownGameIsReportedNotStarted)
{
    window->startGame(QStringLiteral("No Such Game"), GameNumber::fromNumber(1));
    EXPECT_FALSE(ctx->GameRunning());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("No Such Game")));
}

TEST_F(MainWindowTest, ClosingRecordsARunningGameExitDoesNot)
{
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(3));
    window->close();
    EXPECT_FALSE(ctx->GameRunning());
    EXPECT_EQ(ctx->scores.SesTop(), 1);

    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4));
    item("mFile", 11)->trigger(); // "Exit" ends at once
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->scores.SesTop(), 1);
}

TEST_F(MainWindowTest, AddToFavouritesTellsWhere)
{
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(4711));
    item("mFav", 1)->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Game <4711> Successfully Added to Favorites Under <Lawn> Folder");
    ctx->scores.OpenFav();
    EXPECT_EQ(ctx->scores.FavTop(), 1);
}

TEST_F(MainWindowTest, ScreenshotInPlay)
{
    ctx->data.SetAutoplay(0);
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    window->RefreshCounters();
    window->RefreshCounters();
    refresh();
    window->show();
    const QImage shot = window->grab().toImage();
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    ASSERT_TRUE(shot.save(QStringLiteral(SCREENSHOT_DIR "/main-window.png")));
    // Cards are drawn: the waste card's white face shows at its slot.
    const ui::TableView *table = window->table();
    const QPoint waste = table->mapTo(window.get(), table->toWidget(ctx->games.GetCordX(kWaste, 0, 0) + 500,
                                                                    ctx->games.GetCordY(kWaste, 0, 0) + 700)
                                                       .toPoint());
    const QColor face = shot.pixelColor(waste * shot.devicePixelRatio());
    EXPECT_GT(face.lightness(), 150);
}

TEST_F(MainWindowTest, WinningThroughTheWindowOpensTheFinishOnceAfterTheMove)
{
    ui::wireDialogs(*window);
    auto handler = std::make_unique<ui::FinishWinHandler>(window.get(), [] {});
    ui::FinishWinHandler *finish = handler.get();
    QString shownGame;
    finish->runDialog = [&](ui::frmFinish &dialog) {
        shownGame = dialog.findChild<QGroupBox *>(QStringLiteral("Frame1"))->title();
        // The win is on record the moment the dialog is open, and no move
        // is running under it.
        EXPECT_FALSE(ctx->GameRunning());
        EXPECT_FALSE(ActionScope::busy(*ctx));
        dialog.findChild<QAction *>(QStringLiteral("Restart"))->trigger();
    };
    window->setWinHandler(std::move(handler));
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(77));
    Layout l;
    l.waste = "AS";
    l.foundation = {"KH QH JH TH 9H 8H 7H 6H 5H 4H 3H 2H AH", "KS QS JS TS 9S 8S 7S 6S 5S 4S 3S 2S",
                    "KD QD JD TD 9D 8D 7D 6D 5D 4D 3D 2D AD", "KC QC JC TC 9C 8C 7C 6C 5C 4C 3C 2C AC"};
    lay(*ctx, l);
    item("mGame", 4)->trigger(); // autoplay off
    item("mGame", 4)->trigger(); // on: the Ace goes up and wins
    EXPECT_EQ(finish->opened(), 0); // opens from the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(finish->opened(), 1);
    EXPECT_EQ(shownGame, "Lawn");
    // Restarted: the same deal is on the table again, and one win is on record.
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGNo().toText(), "77");
    ctx->scores.OpenAllScore();
    ASSERT_EQ(ctx->scores.ScoreTop(), 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(1).Won, 1);
    ctx->scores.CloseScore();
}

TEST_F(MainWindowTest, TimersRunOnlyWhileThereIsSomethingToShow)
{
    EXPECT_FALSE(window->tmrMain.isActive());
    EXPECT_FALSE(window->tmrTime.isActive());
    item("mFile", 1)->trigger();
    EXPECT_TRUE(window->tmrMain.isActive());
    EXPECT_TRUE(window->tmrTime.isActive());
    item("mFile", 5)->trigger(); // "Close Game"
    EXPECT_FALSE(window->tmrMain.isActive());
    EXPECT_EQ(counter("mTime")->text(), "");
}

TEST_F(MainWindowTest, SplashAndAboutRender)
{
    int continued = 0;
    ui::frmSplash splash([&] { ++continued; });
    splash.show();
    const QImage splashShot = splash.grab().toImage();
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    ASSERT_TRUE(splashShot.save(QStringLiteral(SCREENSHOT_DIR "/splash.png")));
    EXPECT_GE(splashShot.width(), 400);
    // A click and the timer both continue, once between them.
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&splash, &click);
    splash.ContinueStart();
    EXPECT_EQ(continued, 1);
    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_TRUE(splash.findChild<QLabel *>(QStringLiteral("lblVersion"))->text().startsWith(QStringLiteral("Version : ")));

    ui::frmAbout about(ctx->data, window.get());
    about.show();
    EXPECT_EQ(about.windowTitle(), "About Cardova");
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("lblName"))->text(), "Cardova");
    ASSERT_TRUE(about.grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/about.png")));
}

TEST_F(MainWindowTest, HistoryListsTheLogWithItsMarks)
{
    ctx->data.SetAutoplay(0);
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    refresh();
    EXPECT_TRUE(item("mTools", 5)->isEnabled());
    for (int i = 0; i < 3; ++i)
        CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    refresh();
    item("mGame", 1)->trigger(); // undo the third turn
    ui::frmHistory history(*ctx->trans, window.get());
    EXPECT_EQ(history.windowTitle(), "Game History");
    auto *list = history.findChild<QTreeWidget *>(QStringLiteral("lvHistory"));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->headerItem()->text(1), "Source");
    const QTreeWidgetItem *first = list->topLevelItem(0);
    const QTreeWidgetItem *current = list->topLevelItem(1);
    const QTreeWidgetItem *redo = list->topLevelItem(2);
    EXPECT_EQ(first->text(0), "1");
    EXPECT_EQ(first->text(1), "Stock (Pile 1, Card 24)");
    EXPECT_EQ(first->text(2), "Waste (Pile 1, Card 1)");
    EXPECT_EQ(first->text(3), "1");
    EXPECT_FALSE(first->font(1).bold());
    EXPECT_EQ(current->foreground(2).color(), QColor(128, 0, 0));
    EXPECT_TRUE(current->font(2).bold());
    EXPECT_EQ(redo->foreground(1).color(), QColor(128, 128, 0));
    EXPECT_FALSE(redo->font(1).bold());
    history.show();
    ASSERT_TRUE(history.grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/history.png")));
}
