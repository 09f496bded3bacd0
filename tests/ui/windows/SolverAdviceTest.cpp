// The solver in the main window: the verdict beside the counters and the
// hint, with position budgets so that every run decides alike.
#include "WindowFixture.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "settings/GameNumber.h"
#include "ui/windows/SolverAdvice.h"

#include <QApplication>
#include <QKeyEvent>
#include <QDir>

namespace cardova::test {
namespace {

class SolverAdviceTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        Budget budget = Budget::ofNodes(500000);
        budget.tableBytes = std::size_t(8) << 20;
        advice().service().setBudget(budget);
        // Klondike 3 can be won with automatic play (the default).
        window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(3));
        window->show();
    }
    ui::SolverAdvice &advice() { return window->solver(); }
    // Runs the queued work of the window and waits for the search.
    void settle()
    {
        QCoreApplication::processEvents();
        advice().service().waitUntilIdle();
        QCoreApplication::processEvents();
    }
    QString status() { return counter("mSolver")->text(); }
    void screenshot(const char *name)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        ASSERT_TRUE(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/") + QLatin1String(name)));
    }
};

TEST_F(SolverAdviceTest, StatusTellsAWinnableDeal)
{
    settle();
    EXPECT_EQ(status(), QStringLiteral("Winnable"));
    screenshot("solver-status.png");

    // The setting hides the verdict and brings it back.
    item("mGame", 13)->trigger();
    EXPECT_EQ(ctx->data.ShowWinnable(), 0);
    EXPECT_FALSE(item("mGame", 13)->isChecked());
    EXPECT_EQ(status(), QString());
    item("mGame", 13)->trigger();
    EXPECT_EQ(status(), QStringLiteral("Winnable"));
}

TEST_F(SolverAdviceTest, HintShowsTheFirstMoveOfTheWin)
{
    settle();
    const auto answer = advice().service().answer();
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->verdict, Verdict::Winnable);
    item("mGame", 11)->trigger();
    const Move first = answer->line.front();
    if (first.kind != MoveKind::Card) {
        EXPECT_EQ(status(), QStringLiteral("Turn the stock"));
        return;
    }
    const auto hint = window->table()->hint();
    ASSERT_TRUE(hint);
    EXPECT_EQ(*hint, first);
    const Rules rules = currentRules(*ctx);
    EXPECT_TRUE(isLegal(currentPosition(*ctx, rules), rules, *hint));
    screenshot("solver-hint.png");

    // Once the table changes the hint points at nothing.
    ASSERT_TRUE(playMove(*ctx, *hint));
    EXPECT_FALSE(window->table()->hint());
}

TEST_F(SolverAdviceTest, HintSaysSoWhileTheSearchRuns)
{
    settle();
    // A state never asked about: the hint asks, and nothing hands the
    // worker's answer over before it looks.
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    item("mGame", 11)->trigger();
    EXPECT_EQ(status(), QStringLiteral("Still thinking..."));
    EXPECT_FALSE(window->table()->hint());
}

TEST_F(SolverAdviceTest, ALostGameIsToldAndHasNoHint)
{
    settle();
    lay(*ctx, {{"AH* 2H", "KS", "", "", "", "", ""}, "", "", {"", "", "", ""}});
    advice().gameChanged(); // a laid table is another game
    settle();
    EXPECT_EQ(status(), QStringLiteral("Cannot be won from here"));
    screenshot("solver-lost.png");
    item("mGame", 11)->trigger();
    EXPECT_EQ(status(), QStringLiteral("This game cannot be won from here."));
    EXPECT_FALSE(window->table()->hint());
}

TEST_F(SolverAdviceTest, NothingIsSolvedDuringAReplay)
{
    settle();
    const int before = advice().service().searchesStarted();
    // Moves whose states are never asked about before the replay begins.
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    refresh();
    item("mReplay", 2)->trigger();
    window->tmrBackward.stop(); // the test steps the replay itself
    ASSERT_EQ(ctx->phase, GamePhase::Replaying);
    settle();
    window->backwardTick();
    settle();
    window->backwardTick();
    settle();
    EXPECT_EQ(advice().service().searchesStarted(), before);
    EXPECT_EQ(status(), QString());

    // The replay over, the state it stopped at is searched.
    window->StopReplay();
    settle();
    EXPECT_EQ(advice().service().searchesStarted(), before + 1);
    EXPECT_EQ(status(), QStringLiteral("Winnable"));
}

TEST_F(SolverAdviceTest, SolvePlaysTheWinAndCountsTheGameAsNotWon)
{
    ctx->setScoreRecorder(&memoryScores());
    settle();
    const auto answer = advice().service().answer();
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->verdict, Verdict::Winnable);
    item("mGame", 12)->trigger();
    ASSERT_TRUE(advice().solveRun().running());
    for (size_t i = 0; i <= answer->line.size() && advice().solveRun().running(); ++i)
        advice().solveRun().step();
    EXPECT_FALSE(advice().solveRun().running());
    EXPECT_EQ(ctx->phase, GamePhase::NoGame);
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries.back().won, 0);
    // The finished-game handler neither opened nor stayed replaced.
    EXPECT_EQ(win.opened, 0);
    EXPECT_EQ(&ctx->winHandler(), &win);
}

TEST_F(SolverAdviceTest, AKeyOfThePlayerStopsTheSolve)
{
    settle();
    item("mGame", 12)->trigger();
    advice().solveRun().step();
    const int pos = ctx->trans->TransPos;
    EXPECT_GT(pos, 0);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(window->table(), &press);
    EXPECT_FALSE(advice().solveRun().running());
    EXPECT_EQ(&ctx->winHandler(), &win);
    advice().solveRun().step();
    EXPECT_EQ(ctx->trans->TransPos, pos);
}

} // namespace
} // namespace cardova::test
