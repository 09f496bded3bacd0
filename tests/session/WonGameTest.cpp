#include "TestSupport.h"

#include "WinningDeal.h"
#include "cli/PlayActions.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
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
    ctx->setScoreRecorder(&memoryScores());
    start(QStringLiteral("Klondike"), 1);
    const QStringList actions = QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int moved = 0;
    for (const QString &a : actions)
        moved += play(a) ? 1 : 0;
    EXPECT_EQ(moved, actions.size()); // every action changed the table
    EXPECT_EQ(recordWinHandler().opened, 1);
    EXPECT_FALSE(ctx->GameRunning());
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    const auto &won = memoryScores().entries[0];
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
