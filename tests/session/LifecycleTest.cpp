#include "TestSupport.h"

#include "session/Input.h"
#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <QDir>

using namespace cardova;
using namespace cardova::test;

namespace {
class LifecycleTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->now = [this] { return clock; };
        // These tests read what EndGame hands over from the memory recorder.
        ctx->setScoreRecorder(&memoryScores());
    }
    QDateTime clock = QDateTime(QDate(2026, 3, 1), QTime(12, 0, 0));
};

// A finished-game dialog whose button starts a new game at once.
class RestartOnWin : public WinHandler {
public:
    void gameWon(GameContext &ctx) override
    {
        ++opened;
        toldInsideAnAction = ActionScope::busy(ctx);
        finishedWhenTold = ctx.phase == GamePhase::Finished;
        EndGame(ctx, 1);
        NewGame(ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(99));
    }
    int opened = 0;
    bool toldInsideAnAction = true;
    bool finishedWhenTold = false;
};
} // namespace

TEST_F(LifecycleTest, RestartRecordsTheAbandonedGameAndDealsTheSame)
{
    start(QStringLiteral("Klondike"), 321);
    const QStringList first = tableauText(*ctx);
    clock = clock.addSecs(30);
    start(QStringLiteral("Klondike"), 321);
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    const auto &e = memoryScores().entries[0];
    EXPECT_EQ(e.won, 0);
    EXPECT_EQ(e.game, "Klondike");
    EXPECT_EQ(e.number, "321");
    EXPECT_EQ(e.time, 30);
    EXPECT_EQ(e.player, "Player1");
    EXPECT_EQ(tableauText(*ctx), first);
    EXPECT_EQ(ctx->data.GetRecent(1), "Klondike");
    EXPECT_EQ(MainCaption(*ctx), "Cardova [Klondike] [Player1] [321]");
}

TEST_F(LifecycleTest, StartingWithNoGameRunningRecordsNothing)
{
    start(QStringLiteral("Lawn"), 5);
    EXPECT_TRUE(memoryScores().entries.empty());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.LastGName(), "Lawn");
    EndGame(*ctx, 0);
    EXPECT_FALSE(ctx->GameRunning());
    for (const cCard &c : ctx->cards)
        EXPECT_FALSE(c.Visible);
    EXPECT_FALSE(ctx->markers.Stock.Visible);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), -1);
}

TEST_F(LifecycleTest, ScoreFollowsTimeAndMovesAndStaysIn16Bits)
{
    ctx->data.SetAutoplay(0);
    start(QStringLiteral("Klondike"), 2); // no card goes up by itself
    ASSERT_EQ(ctx->table.TotalGoalCards(), 0);
    clock = clock.addSecs(1);
    UpdateCounters(*ctx);
    UpdateCounters(*ctx); // the score trails time by one tick
    EXPECT_EQ(ctx->data.CurScore, 0); // -1/3 rounds to 0
    clock = clock.addSecs(1);
    UpdateCounters(*ctx);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->data.CurScore, -1); // -2/3 rounds to -1
    EXPECT_EQ(ctx->data.CurTime, 2);

    clock = clock.addSecs(200000); // a game left open for days
    UpdateCounters(*ctx);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->data.CurScore, -32768);
}

TEST_F(LifecycleTest, RandomNumbersFollowTheRange)
{
    ctx->data.setIntSetting(IntKey::RangeIndex, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(RandomGameNo(*ctx).toDouble(), 0);
    ctx->data.setIntSetting(IntKey::RangeIndex, 2);
    for (int i = 0; i < 50; ++i) {
        clock = clock.addMSecs(37);
        const double n = RandomGameNo(*ctx).toDouble();
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 100);
        EXPECT_EQ(n, std::floor(n));
    }
    EXPECT_EQ(RandomRange(15), 1e15);
}

TEST_F(LifecycleTest, ElapsedTimeOnlyWhileRunning)
{
    EXPECT_EQ(ElapsedTime(*ctx), 0);
    start(QStringLiteral("Klondike"), 1);
    clock = clock.addSecs(65);
    EXPECT_EQ(ElapsedTime(*ctx), 65);
    clock = clock.addSecs(-3600); // the clock went back
    EXPECT_EQ(ElapsedTime(*ctx), 0);
}

TEST_F(LifecycleTest, UndoingEverythingZeroesTheMoveCounter)
{
    start(QStringLiteral("Klondike"), 4711);
    CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->data.CurMoves, 3);
    CmdUndoAll(*ctx);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->data.CurMoves, 0);
    CmdRedoAll(*ctx);
    EXPECT_EQ(ctx->trans->GetTransID(), 3);
}

TEST_F(LifecycleTest, TheWinIsToldAfterTheWinningActionHasReturned)
{
    RestartOnWin handler;
    ctx->setWinHandler(&handler);
    start(QStringLiteral("Klondike"), 1);
    // Everything but the King of spades is up; it lies on the waste.
    Layout l;
    l.tableau = {"", "", "", "", "", "", ""};
    l.waste = "KS";
    l.foundation = {"AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS",
                    "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    lay(*ctx, l);
    CmdToggleAutoplay(*ctx); // off
    CmdToggleAutoplay(*ctx); // on: plays the King and wins
    EXPECT_EQ(handler.opened, 1);
    EXPECT_FALSE(handler.toldInsideAnAction); // no move is still running
    EXPECT_TRUE(handler.finishedWhenTold);
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries[0].won, 1);
    EXPECT_EQ(memoryScores().entries[0].moves, 1);
    // The game asked for started at once, on a whole table.
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGNo().toText(), "99");
    EXPECT_EQ(tableProblems(*ctx), QString());
}

TEST_F(LifecycleTest, ARedoThatFillsTheFoundationsWinsOnce)
{
    start(QStringLiteral("Klondike"), 1);
    ctx->data.SetAutoplay(0);
    Layout l;
    l.tableau = {"KS"};
    l.foundation = {"AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS",
                    "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
    lay(*ctx, l);
    // Log the last move without judging it, then take it back.
    ctx->phase = GamePhase::Dealing;
    int32_t mode = kModePlay;
    MoveCard(*ctx, idOf(*ctx, "KS"), kFoundation, 1, 12, mode, 0, 0, 0);
    int16_t speed = 0;
    ASSERT_TRUE(ctx->trans->Undo(speed));
    ctx->phase = GamePhase::Playing;
    EXPECT_EQ(recordWinHandler().opened, 0);

    EXPECT_TRUE(CmdRedo(*ctx));
    EXPECT_EQ(recordWinHandler().opened, 1);
    EXPECT_FALSE(ctx->GameRunning());
    // Nothing more happens on the cleared table.
    EXPECT_FALSE(CmdUndo(*ctx));
    EXPECT_FALSE(CmdRedo(*ctx));
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries[0].won, 1);
}

TEST_F(LifecycleTest, AGameThatCannotBeWrittenIsReported)
{
    QStringList problems;
    ctx->reportProblem = [&](const QString &text) { problems << text; };
    ctx->setScoreRecorder(nullptr); // the real score store
    start(QStringLiteral("Klondike"), 1);
    // A folder where the player's score file should be: the line cannot land.
    QDir().mkpath(ctx->scores.scoreFilePath(ctx->data.CurPlayer()));
    EndGame(*ctx, 0);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("could not be written")));
    EXPECT_EQ(ctx->scores.SesTop(), 1); // still counted for the session
}
