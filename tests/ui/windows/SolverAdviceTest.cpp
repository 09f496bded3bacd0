// The solver in the main window: the verdict beside the counters and the
// hint, with position budgets so that every run decides alike.
#include "WindowFixture.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "settings/GameNumber.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/windows/SolverAdvice.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <algorithm>

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

TEST_F(SolverAdviceTest, WithNoWinKnownTheHintSuggestsAMove)
{
    // One position is too few to decide anything: the verdict stays open.
    advice().service().setBudget(Budget::ofNodes(1));
    advice().gameChanged();
    settle();
    ASSERT_EQ(status(), QStringLiteral("Undecided"));
    item("mGame", 11)->trigger();
    EXPECT_TRUE(status().startsWith(QStringLiteral("Try: "))) << status().toStdString();
    const Rules rules = currentRules(*ctx);
    const Position position = currentPosition(*ctx, rules);
    if (const auto hint = window->table()->hint()) {
        EXPECT_TRUE(isLegal(position, rules, *hint));
        EXPECT_TRUE(status().contains(QStringLiteral(" to "))) << status().toStdString();
    } else {
        EXPECT_TRUE(status().contains(QStringLiteral("turn the"))) << status().toStdString();
    }
    screenshot("solver-suggestion.png");
}

TEST_F(SolverAdviceTest, AHintAskedWhileThinkingShowsWhenTheAnswerComes)
{
    settle();
    // A move off the known win, so that only a search can answer.
    const auto first = advice().service().answer();
    ASSERT_TRUE(first && !first->line.empty());
    const Rules rules = currentRules(*ctx);
    MoveList moves;
    legalMoves(currentPosition(*ctx, rules), rules, moves);
    const auto off = std::find_if(moves.begin(), moves.end(), [&](const Move &m) { return m != first->line.front(); });
    ASSERT_NE(off, moves.end());
    ASSERT_TRUE(playMove(*ctx, *off));
    item("mGame", 11)->trigger();
    ASSERT_EQ(status(), QStringLiteral("Still thinking..."));
    settle();
    const auto answer = advice().service().answer();
    ASSERT_TRUE(answer);
    switch (answer->verdict) {
    case Verdict::Winnable:
        if (answer->line.front().kind == MoveKind::Card) {
            ASSERT_TRUE(window->table()->hint());
            EXPECT_EQ(*window->table()->hint(), answer->line.front());
        } else {
            EXPECT_EQ(status(), QStringLiteral("Turn the stock"));
        }
        break;
    case Verdict::Unknown: EXPECT_TRUE(status().startsWith(QStringLiteral("Try: "))); break;
    case Verdict::NotWinnable: EXPECT_TRUE(status().startsWith(QStringLiteral("This game cannot"))); break;
    }
}

TEST_F(SolverAdviceTest, FollowingTheWinKeepsTheVerdictWithoutASearch)
{
    settle();
    const auto answer = advice().service().answer();
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->verdict, Verdict::Winnable);
    const int searches = advice().service().searchesStarted();
    for (size_t i = 0; i < 3 && i < answer->line.size(); ++i) {
        ASSERT_TRUE(playMove(*ctx, answer->line[i]));
        QCoreApplication::processEvents(); // the question after the move, not the worker's answer
        EXPECT_EQ(status(), QStringLiteral("Winnable")) << i;
    }
    EXPECT_EQ(advice().service().searchesStarted(), searches);
}

TEST_F(SolverAdviceTest, ASolvedGameOffersTheNextGameAndCountsAsNotWon)
{
    ctx->setScoreRecorder(&memoryScores());
    QString title;
    QStringList lines;
    auto handler = std::make_unique<ui::FinishWinHandler>(window.get(), [] {});
    ui::FinishWinHandler *finish = handler.get();
    finish->runDialog = [&](ui::frmFinish &dialog) {
        title = dialog.windowTitle();
        const auto *list = dialog.findChild<QListWidget *>(QStringLiteral("ListView1"));
        for (int i = 0; list && i < list->count(); ++i)
            lines << list->item(i)->text();
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        dialog.grab().save(QStringLiteral(SCREENSHOT_DIR "/solver-solved.png"));
        dialog.findChild<QAction *>(QStringLiteral("Restart"))->trigger();
    };
    window->setWinHandler(std::move(handler));
    settle();
    item("mGame", 12)->trigger();
    ASSERT_TRUE(advice().solveRun().running());
    while (advice().solveRun().running())
        advice().solveRun().step();
    QCoreApplication::processEvents(); // the window opens once the last move has returned
    EXPECT_EQ(finish->opened(), 1);
    EXPECT_EQ(title, QStringLiteral("Solved"));
    EXPECT_TRUE(lines.contains(QStringLiteral(" Status : Lost (solved)"))) << lines.join('|').toStdString();
    // Recorded once, as not won; the restart deals the same number again.
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries.back().won, 0);
    EXPECT_EQ(ctx->phase, GamePhase::Playing);
    EXPECT_EQ(ctx->data.CurGNo().toText(), QStringLiteral("3"));
    EXPECT_EQ(ctx->trans->TransPos, 0);
}

TEST_F(SolverAdviceTest, AnIdleWindowReadsNoMoveLog)
{
    // A long log: the stock turned through and back again and again.
    ctx->data.SetAutoplay(0);
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(playMove(*ctx, stockClick(*ctx)));
    settle();
    ASSERT_GT(ctx->trans->TransPos, 400);
    const int reads = advice().logReads();
    const int searches = advice().service().searchesStarted();
    // The window's timer keeps running: its ticks find nothing to read.
    window->tmrMain.start();
    QEventLoop loop;
    QTimer::singleShot(450, &loop, &QEventLoop::quit);
    loop.exec();
    for (int i = 0; i < 50; ++i)
        advice().sync();
    EXPECT_EQ(advice().logReads(), reads);
    EXPECT_EQ(advice().service().searchesStarted(), searches);

    // One move is one reading of the log.
    ASSERT_TRUE(playMove(*ctx, stockClick(*ctx)));
    settle();
    for (int i = 0; i < 5; ++i)
        advice().sync();
    EXPECT_EQ(advice().logReads(), reads + 1);

    // Automatic play switched on changes the question without a move.
    ctx->data.SetAutoplay(1);
    advice().sync();
    EXPECT_EQ(advice().logReads(), reads + 2);
}

TEST_F(SolverAdviceTest, ALostGameSaysWhenItCouldBeWonAndGoesBackThere)
{
    // Klondike Plus 18 can be won, but not once the second pile's top card
    // has gone onto the first pile.
    window->startGame(QStringLiteral("Klondike Plus"), GameNumber::fromNumber(18));
    settle();
    ASSERT_EQ(status(), QStringLiteral("Winnable"));
    QAction *undoTo = item("mGame", 16);
    ASSERT_TRUE(undoTo);
    EXPECT_FALSE(undoTo->isEnabled());
    const int winnable = ctx->trans->TransPos;

    ASSERT_TRUE(playMove(*ctx, Move::card({SourceKind::Tableau, 1, 1}, {TargetKind::Tableau, 0})));
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    settle();
    const int back = ctx->trans->TransPos - winnable;
    ASSERT_GE(back, 2);
    EXPECT_EQ(status(), QStringLiteral("Cannot be won from here (it could be won %1 moves ago)").arg(back));
    screenshot("solver-lost-moves-ago.png");
    // The longest status, at the smallest and a large window.
    window->resize(673, 480);
    screenshot("solver-lost-moves-ago-small.png");
    window->resize(1800, 1000);
    screenshot("solver-lost-moves-ago-large.png");
    item("mGame", 11)->trigger();
    EXPECT_EQ(status(), QStringLiteral("This game cannot be won from here. It could be won %1 moves ago.").arg(back));

    // One command takes the game back there, and the verdict is known.
    ASSERT_TRUE(undoTo->isEnabled());
    undoTo->trigger();
    EXPECT_EQ(ctx->trans->TransPos, winnable);
    EXPECT_TRUE(ctx->trans->RedoPossible());
    QCoreApplication::processEvents();
    EXPECT_EQ(status(), QStringLiteral("Winnable"));
    EXPECT_FALSE(undoTo->isEnabled());
}

} // namespace
} // namespace cardova::test
