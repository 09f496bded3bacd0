// The background solver: which answers it keeps, which it drops, and when
// it searches at all. Budgets count positions, so every run decides alike.
#include "TestSupport.h"

#include "session/Commands.h"
#include "session/MoveDriver.h"
#include "session/SolverService.h"
#include "session/cTrans.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <chrono>

namespace cardova::test {
namespace {

Budget nodeBudget(uint64_t nodes)
{
    Budget b = Budget::ofNodes(nodes);
    b.tableBytes = std::size_t(8) << 20;
    return b;
}

// Lets the worker finish and hands its answers over.
void settle(SolverService &s)
{
    s.waitUntilIdle();
    QCoreApplication::processEvents();
}

class SolverServiceTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        start(QStringLiteral("Klondike"), 3);
    }
    SolverRequest request(uint64_t game = 1) const { return solverRequest(*ctx, game); }
    // A legal move of the table other than turning the stock.
    Move cardMove() const
    {
        const Rules rules = currentRules(*ctx);
        MoveList moves;
        legalMoves(currentPosition(*ctx, rules), rules, moves);
        for (const Move &m : moves)
            if (m.kind == MoveKind::Card)
                return m;
        ADD_FAILURE() << "no card move on the table";
        return Move::turnStock();
    }
    SolverService service{nodeBudget(200000)};
};

TEST_F(SolverServiceTest, AnswersAStateOnceAndRemembersIt)
{
    int answered = 0;
    QObject::connect(&service, &SolverService::answered, [&answered] { ++answered; });
    service.ask(request());
    EXPECT_TRUE(service.thinking());
    EXPECT_FALSE(service.answer());
    settle(service);
    ASSERT_TRUE(service.answer());
    EXPECT_EQ(service.answer()->verdict, Verdict::Winnable);
    EXPECT_FALSE(service.answer()->line.empty());
    EXPECT_EQ(answered, 1);

    // The same state again is answered at once, without a search.
    service.ask(request());
    EXPECT_FALSE(service.thinking());
    EXPECT_EQ(service.searchesStarted(), 1);
    EXPECT_EQ(answered, 2);
}

TEST_F(SolverServiceTest, TheWorkerThreadStartsWithTheFirstSearch)
{
    // A window with no game on its table has no thread for the solver.
    SolverService idle(nodeBudget(1000));
    idle.cancel();
    EXPECT_FALSE(idle.workerStarted());
    EXPECT_FALSE(service.workerStarted());
    service.ask(request());
    EXPECT_TRUE(service.workerStarted());
    settle(service);
    ASSERT_TRUE(service.answer());
    EXPECT_EQ(service.searchesStarted(), 1);
}

TEST_F(SolverServiceTest, DropsAnAnswerToAStateLeftBehind)
{
    service.ask(request());
    service.waitUntilIdle(); // answered, but the answer still waits in the queue
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());

    // Back at the first state: its late answer was not kept, so it is
    // searched again.
    ASSERT_TRUE(CmdUndo(*ctx));
    service.ask(request());
    EXPECT_TRUE(service.thinking());
    settle(service);
    EXPECT_EQ(service.searchesStarted(), 3);

    // Another game starts over: what was known of the old one is gone.
    service.ask(request(1));
    EXPECT_FALSE(service.thinking());
    service.ask(request(2));
    EXPECT_TRUE(service.thinking());
    settle(service);
}

TEST_F(SolverServiceTest, ANewQuestionStopsTheRunningSearch)
{
    // Klondike 6 without automatic play is undecided after millions of
    // positions: with no limit this search would hold the worker for good.
    service.setBudget(nodeBudget(uint64_t(1) << 40));
    start(QStringLiteral("Klondike"), 6);
    SolverRequest endless = request(1);
    endless.autoplay = false;
    service.ask(endless);
    while (service.searchesStarted() == 0)
        QThread::yieldCurrentThread();
    service.setBudget(nodeBudget(200000));
    start(QStringLiteral("Klondike"), 3);
    service.ask(request(2));
    settle(service); // returns only once the endless search has stopped
    ASSERT_TRUE(service.answer());
    EXPECT_EQ(service.answer()->verdict, Verdict::Winnable);
    EXPECT_EQ(service.searchesStarted(), 2);
}

TEST_F(SolverServiceTest, UndoThenANewMoveForgetsTheAbandonedLine)
{
    // Without automatic play each move is one undo step.
    ctx->data.SetAutoplay(0);
    service.ask(request());
    settle(service);
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());
    // Searched, or known from the first state's win when it starts so.
    const int searches = service.searchesStarted();

    // Undo and redo walk the same line: both states are known.
    ASSERT_TRUE(CmdUndo(*ctx));
    service.ask(request());
    EXPECT_FALSE(service.thinking());
    ASSERT_TRUE(CmdRedo(*ctx));
    service.ask(request());
    EXPECT_FALSE(service.thinking());

    // Another move in place of the undone one leads to a state never seen
    // at that log position.
    ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_TRUE(playMove(*ctx, cardMove()));
    service.ask(request());
    EXPECT_TRUE(service.thinking());
    settle(service);
    EXPECT_EQ(service.searchesStarted(), searches + 1);
}

TEST_F(SolverServiceTest, EveryStateAfterALostOneIsLost)
{
    // The ace lies under the two: nothing can ever reach a foundation. The
    // king still wanders between the empty piles.
    lay(*ctx, {{"AH* 2H", "KS", "", "", "", "", ""}, "", "", {"", "", "", ""}});
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());
    ASSERT_EQ(service.answer()->verdict, Verdict::NotWinnable);

    ASSERT_TRUE(playMove(*ctx, Move::card({SourceKind::Tableau, 1, 0}, {TargetKind::Tableau, 2})));
    service.ask(request());
    EXPECT_FALSE(service.thinking());
    ASSERT_TRUE(service.answer());
    EXPECT_EQ(service.answer()->verdict, Verdict::NotWinnable);
    EXPECT_EQ(service.searchesStarted(), 1);
}

TEST_F(SolverServiceTest, CancelStopsAndForgetsTheQuestion)
{
    service.ask(request());
    service.cancel();
    settle(service);
    EXPECT_FALSE(service.thinking());
    EXPECT_FALSE(service.answer());
}

TEST_F(SolverServiceTest, MovesAlongAKnownWinAreAnsweredWithoutASearch)
{
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());
    ASSERT_EQ(service.answer()->verdict, Verdict::Winnable);
    const std::vector<Move> win = service.answer()->line;
    ASSERT_GE(win.size(), 3u);

    // Two moves along the win, each followed by its automatic play: known
    // at once, with the rest of the same win.
    for (size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(playMove(*ctx, win[i]));
        service.ask(request());
        EXPECT_FALSE(service.thinking()) << i;
        ASSERT_TRUE(service.answer()) << i;
        EXPECT_EQ(service.answer()->verdict, Verdict::Winnable);
        EXPECT_EQ(service.answer()->line, std::vector<Move>(win.begin() + std::ptrdiff_t(i) + 1, win.end()));
    }
    EXPECT_EQ(service.searchesStarted(), 1);

    // A move off the win is a question for the worker again.
    const Rules rules = currentRules(*ctx);
    MoveList moves;
    legalMoves(currentPosition(*ctx, rules), rules, moves);
    const auto other = std::find_if(moves.begin(), moves.end(), [&](const Move &m) { return m != win[2]; });
    ASSERT_NE(other, moves.end());
    ASSERT_TRUE(playMove(*ctx, *other));
    service.ask(request());
    EXPECT_TRUE(service.thinking());
    settle(service);
    EXPECT_EQ(service.searchesStarted(), 2);
}

TEST_F(SolverServiceTest, DestroyingTheServiceMidSearchReturnsAtOnce)
{
    // Klondike 6 without automatic play keeps a search busy for far longer
    // than its clock allows here: a search that missed the stop would hold
    // the destructor for the whole budget.
    Budget endless = nodeBudget(uint64_t(1) << 40);
    endless.maxSeconds = 3.0;
    start(QStringLiteral("Klondike"), 6);
    SolverRequest question = request(1);
    question.autoplay = false;
    using Clock = std::chrono::steady_clock;
    Clock::duration worst{};
    // The worker may be anywhere between waking up for the job and the
    // search itself when the service goes: the delays walk that window.
    constexpr int kTries = 400;
    for (int i = 0; i < kTries; ++i) {
        auto service = std::make_unique<SolverService>(endless);
        service->ask(question);
        const auto until = Clock::now() + std::chrono::microseconds(i % 100);
        while (Clock::now() < until) {
        }
        const auto before = Clock::now();
        service.reset();
        worst = std::max(worst, Clock::now() - before);
    }
    EXPECT_LT(std::chrono::duration<double>(worst).count(), 0.5);
}

TEST_F(SolverServiceTest, ALostStateKnowsTheLastWinnablePosition)
{
    // Klondike Plus 18 can be won, but not once the second pile's top card
    // has gone onto the first pile.
    start(QStringLiteral("Klondike Plus"), 18);
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());
    ASSERT_EQ(service.answer()->verdict, Verdict::Winnable);
    EXPECT_FALSE(service.lastWinnable());
    const int winnable = ctx->trans->TransPos;

    ASSERT_TRUE(playMove(*ctx, Move::card({SourceKind::Tableau, 1, 1}, {TargetKind::Tableau, 0})));
    service.ask(request());
    settle(service);
    ASSERT_TRUE(service.answer());
    ASSERT_EQ(service.answer()->verdict, Verdict::NotWinnable);
    ASSERT_TRUE(service.lastWinnable());
    EXPECT_EQ(*service.lastWinnable(), winnable);

    // Further on, the same position is still the last winnable one.
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    service.ask(request());
    EXPECT_FALSE(service.thinking());
    ASSERT_TRUE(service.lastWinnable());
    EXPECT_EQ(*service.lastWinnable(), winnable);
}

} // namespace
} // namespace cardova::test
