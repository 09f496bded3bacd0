// The window follows every start and end of a game, whoever asks for it,
// and input that queued up while the window was busy does not act later.
#include "TableFixture.h"

#include "session/cTrans.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/windows/TableView.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>

using namespace cardova;
using namespace cardova::test;

namespace {
// Lets the event loop run for a while, timers included.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class GameChangeTest : public TableFixture {
protected:
    // Wins the fixed deal with the mouse; the finished-game dialog presses
    // the button `key` ("Restart", "New").
    void winAndPress(const char *key)
    {
        auto handler = std::make_unique<ui::FinishWinHandler>(window.get(), [] {});
        handler->runDialog = [key](ui::frmFinish &dialog) {
            dialog.findChild<QAction *>(QLatin1String(key))->trigger();
        };
        window->setWinHandler(std::move(handler));
        ctx->data.SetAutoplay(1);
        ctx->animate = false;
        window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(kWinningNumber));
        for (const QString &text : winningActions()) {
            if (!ctx->GameRunning())
                break;
            ASSERT_TRUE(playByMouse(text)) << text.toStdString();
        }
        QCoreApplication::processEvents(); // the dialog opens from the event loop
    }
    void expectLiveWindow()
    {
        ASSERT_TRUE(ctx->GameRunning());
        EXPECT_TRUE(window->tmrMain.isActive());
        EXPECT_TRUE(window->tmrTime.isActive());
        EXPECT_TRUE(item("mFile", 4)->isEnabled());  // Restart
        EXPECT_TRUE(item("mFile", 5)->isEnabled());  // Close Game
        EXPECT_TRUE(item("mFav", 1)->isEnabled());   // Add to Favorites
        EXPECT_TRUE(item("mTools", 5)->isEnabled()); // History
        EXPECT_FALSE(counter("mMoves")->text().isEmpty());
        EXPECT_FALSE(counter("mTime")->text().isEmpty());
        // The periodic refresh runs again: a move turns Undo on by itself.
        clickStock();
        runFor(250);
        EXPECT_TRUE(item("mGame", 1)->isEnabled());
    }
};
} // namespace

TEST_F(GameChangeTest, RestartFromTheFinishedGameDialogWakesTheWindow)
{
    winAndPress("Restart");
    EXPECT_EQ(ctx->data.CurGNo().toText(), "1");
    expectLiveWindow();
}

TEST_F(GameChangeTest, NewGameFromTheFinishedGameDialogWakesTheWindow)
{
    winAndPress("New");
    expectLiveWindow();
}

TEST_F(GameChangeTest, NewRestartAndCloseEndAReplay)
{
    for (const auto &[menu, index] : {std::pair{"mFile", 1}, {"mFile", 4}, {"mFile", 5}}) {
        if (!ctx->GameRunning())
            window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1));
        clickStock();
        clickStock();
        refresh();
        item("mReplay", 4)->trigger(); // replay all: rewinds, then steps forwards
        ASSERT_TRUE(window->replaying());
        refresh();
        item(menu, index)->trigger();
        EXPECT_FALSE(window->replaying()) << menu << index;
        const int16_t moves = ctx->trans ? ctx->trans->GetTransID() : 0;
        runFor(600); // a tick of the old replay would redo a move now
        EXPECT_EQ(ctx->trans ? ctx->trans->GetTransID() : 0, moves) << menu << index;
    }
}

TEST_F(GameChangeTest, InputQueuedWhileTheWindowWasBusyIsDropped)
{
    // Stamps in the window system's clock: the filter learns it from the
    // first one, and a click stamped before the busy time ended is stale.
    const auto postClickOnStock = [this](ulong stamp) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            auto *event = new QMouseEvent(type, onStock(), view->mapToGlobal(onStock()), Qt::LeftButton, buttons,
                                          Qt::NoModifier);
            event->setTimestamp(stamp);
            QCoreApplication::postEvent(view, event);
        }
    };
    QMouseEvent calibrate(QEvent::MouseMove, QPointF(1, 1), view->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    calibrate.setTimestamp(100000);
    QApplication::sendEvent(view, &calibrate);
    postClickOnStock(100000);
    window->dropQueuedInput();
    QCoreApplication::processEvents();
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), -1) << "a queued click turned a card";
    // A click made after the busy time, and one the program made itself
    // (no stamp), each turn one.
    postClickOnStock(100000 + 60000);
    QCoreApplication::processEvents();
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), 0);
    postClickOnStock(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), 1);
}

TEST_F(GameChangeTest, DroppingQueuedInputRunsNothingElseInsideACommand)
{
    // Timers, solver answers and replay ticks wait until the command is over.
    clickStock();
    clickStock();
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&ran] { ran = true; });
    window->RefreshCommands();
    window->menuItem(QStringLiteral("mGame"), 6)->trigger(); // undo all drops queued input
    ASSERT_EQ(ctx->trans->TransPos, 0);
    EXPECT_FALSE(ran) << "the event loop ran inside the command";
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

TEST_F(GameChangeTest, EveryPressOfADoubleClickOnTheStockTurnsACard)
{
    // What the window system delivers for a quick double click: the second
    // press comes as the double click.
    mouse(QEvent::MouseButtonPress, onStock());
    mouse(QEvent::MouseButtonRelease, onStock());
    mouse(QEvent::MouseButtonDblClick, onStock());
    mouse(QEvent::MouseButtonRelease, onStock());
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), 1);
    EXPECT_EQ(ctx->trans->GetTransID(), 2);
    // Elsewhere the second press is a press too: a waste card can be picked.
    mouse(QEvent::MouseButtonDblClick, onCard(topId(*ctx, kWaste, 0)));
    EXPECT_TRUE(ctx->input.Dragging);
    mouse(QEvent::MouseButtonRelease, onCard(topId(*ctx, kWaste, 0)));
    EXPECT_EQ(ctx->trans->GetTransID(), 2); // put back where it was: no move
}
