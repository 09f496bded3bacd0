#include "TestSupport.h"

#include "cli/PlayActions.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
// A whole game of "Klondike" number 1, won with the mouse actions of the
// command-line driver (found by bench_play --find-win Klondike).
const char *const kWinningActions =
    "t1:1>t2 stock stock stock stock stock t3:3>t4 stock stock stock stock w>t4 stock stock "
    "stock stock stock stock stock stock stock stock stock w>t6 t4:2>t6 stock stock stock "
    "stock w>t6 stock stock stock stock w>t6 t5:5>t6 t5:2>t2 stock stock stock w>t3 t2:2>t3 "
    "stock stock stock stock stock stock w>t6 stock stock w>t3 w>t0 t1:0>t0 t6:6>t1 t6:4>t3 "
    "w>t3 t5:1>t3 t6:3>t5 w>t1 t4:1>t1 t2:1>t4 w>t2 t5:0>t2 stock stock stock stock stock "
    "stock stock w>t5 stock w>t6 stock stock stock w>t5 t6:2>t5 t6:1>t5 t6:0>t2 t3:2>t2 ";

class WonGameTest : public ContextFixture {
protected:
    bool play(const QString &action)
    {
        const auto parsed = parsePlayAction(action);
        EXPECT_TRUE(parsed) << action.toStdString();
        return parsed && performPlayAction(*ctx, *parsed);
    }
};
} // namespace

TEST_F(WonGameTest, AFixedDealPlayedToTheEndIsWonAndRecordedOnce)
{
    ctx->animate = false;
    ctx->setScoreRecorder(&ctx->memoryScores());
    start(QStringLiteral("Klondike"), 1);
    const QStringList actions = QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int moved = 0;
    for (const QString &a : actions)
        moved += play(a) ? 1 : 0;
    EXPECT_EQ(moved, actions.size()); // every action changed the table
    EXPECT_EQ(recordWinHandler().opened, 1);
    EXPECT_FALSE(ctx->data.GameRunning);
    ASSERT_EQ(ctx->memoryScores().entries.size(), 1u);
    const auto &won = ctx->memoryScores().entries[0];
    EXPECT_EQ(won.won, 1);
    EXPECT_EQ(won.moves, ctx->trans->TransTop);
    // Actions after the end change nothing.
    EXPECT_FALSE(play(QStringLiteral("undo")));
    EXPECT_FALSE(play(QStringLiteral("stock")));
}

TEST_F(WonGameTest, UndoAllAndReplayReachTheSamePosition)
{
    ctx->animate = false;
    start(QStringLiteral("Klondike"), 1);
    const QStringList actions = QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < actions.size() / 2; ++i)
        play(actions[i]);
    const QStringList middle = tableauText(*ctx);
    const int16_t pos = ctx->trans->TransPos;
    EXPECT_TRUE(play(QStringLiteral("undoall")));
    EXPECT_EQ(ctx->trans->TransPos, 0);
    while (play(QStringLiteral("forward"))) {
    }
    EXPECT_EQ(ctx->trans->TransPos, pos);
    EXPECT_EQ(tableauText(*ctx), middle);
    EXPECT_TRUE(play(QStringLiteral("back")));
    EXPECT_TRUE(play(QStringLiteral("redoall")));
    EXPECT_EQ(tableauText(*ctx), middle);
}

TEST(PlayActionText, MalformedActionsAreRefused)
{
    for (const char *bad : {"t1>t2", "x", "t1:2>", "w>w", "f4>t0", "t0:0>f4", "t11:0>t1", "stock2", ""})
        EXPECT_FALSE(parsePlayAction(QString::fromLatin1(bad))) << bad;
    for (const char *good : {"t6:12>t0", "w>f3", "f0>t6", "autoplay:off", "redoall"})
        EXPECT_TRUE(parsePlayAction(QString::fromLatin1(good))) << good;
}
