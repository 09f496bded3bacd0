#include "TestSupport.h"

#include "session/Input.h"
#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
class TransTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->data.SetAutoplay(0);
        ctx->animate = false;
        start(QStringLiteral("Klondike"), 1);
    }
    // One press on the stock, or a recycle when it is empty.
    void turn()
    {
        if (ctx->table.GetTop(kStock, 0) < 0)
            StockMarkerClick(*ctx);
        else
            CardMouseDown(*ctx, topId(*ctx, kStock, 0), 5, 5);
    }
};
} // namespace

TEST_F(TransTest, ANewMoveDropsWhatCouldBeRedone)
{
    turn();
    turn();
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_TRUE(ctx->trans->RedoPossible());
    turn();
    EXPECT_FALSE(ctx->trans->RedoPossible());
    EXPECT_EQ(ctx->trans->TransTop, ctx->trans->TransPos);
    EXPECT_EQ(ctx->trans->TransPos, 2);
    EXPECT_FALSE(CmdRedo(*ctx));
}

TEST_F(TransTest, LogGrowsByHundredsWithoutLosingRecords)
{
    while (ctx->trans->TransPos < 100)
        turn();
    EXPECT_EQ(ctx->trans->TransCap, 100);
    turn(); // the 101st move needs room: the log grows by one hundred
    EXPECT_GE(ctx->trans->TransPos, 101);
    EXPECT_EQ(ctx->trans->TransCap, 200);
    // Record 1 is still the first turn of the stock.
    EXPECT_EQ(ctx->trans->record(1).SCell, kStock);
    EXPECT_EQ(ctx->trans->record(1).DCell, kWaste);
    int16_t speed = 0;
    ctx->trans->UndoAll(speed);
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), 23);
    ctx->trans->RedoAll(speed);
    EXPECT_EQ(ctx->trans->GetTransID(), ctx->trans->TransTop);
}

TEST_F(TransTest, GroupsRunFastAndQuietAfterTheirFirstRecord)
{
    ctx->data.setIntSetting(IntKey::SoundUndo, -1);
    ctx->data.setIntSetting(IntKey::SoundRedo, -1);
    for (int i = 0; i < 24; ++i)
        turn();
    turn(); // the recycle: one group of 24 records
    ASSERT_EQ(ctx->trans->TransPos, 48);
    EXPECT_EQ(ctx->trans->record(47).Multi, 1);
    EXPECT_EQ(ctx->trans->record(48).Multi, 0);
    int16_t speed = 5;
    ASSERT_TRUE(ctx->trans->Undo(speed));
    EXPECT_EQ(speed, 4); // lowered by the group
    EXPECT_EQ(ctx->trans->TransPos, 24);
    EXPECT_EQ(sound.count(Wave::Undo), 1); // only the closing record played
    speed = 5;
    ASSERT_TRUE(ctx->trans->Redo(speed));
    EXPECT_EQ(ctx->trans->TransPos, 48);
    EXPECT_EQ(sound.count(Wave::Undo), 2); // redo plays the undo wave
    speed = 4;
    ASSERT_TRUE(ctx->trans->Undo(speed));
    EXPECT_EQ(sound.count(Wave::Undo), 2); // silent at speed 4
}

TEST_F(TransTest, FullLogRefusesFurtherActions)
{
    while (ctx->trans->freeMoves() > 200)
        turn();
    const int16_t before = ctx->trans->TransPos;
    for (int i = 0; i < 400; ++i)
        turn();
    EXPECT_LE(ctx->trans->TransPos, cTrans::kMaxMoves);
    EXPECT_GT(ctx->trans->TransPos, before);
    const int16_t full = ctx->trans->TransPos;
    const QStringList table = tableauText(*ctx);
    const QString stock = pileText(*ctx, kStock, 0);
    const QString waste = pileText(*ctx, kWaste, 0);
    turn();
    // A refused action changes neither the log nor the table.
    EXPECT_EQ(ctx->trans->TransPos, full);
    EXPECT_EQ(pileText(*ctx, kStock, 0), stock);
    EXPECT_EQ(pileText(*ctx, kWaste, 0), waste);
    EXPECT_EQ(tableauText(*ctx), table);
    // Undo still works from the top of a full log.
    EXPECT_TRUE(CmdUndo(*ctx));
    EXPECT_LT(ctx->trans->TransPos, full);
}

TEST_F(TransTest, HistoryRowsAndTheirMarks)
{
    EXPECT_TRUE(ctx->trans->CreateLV().empty());
    turn();
    turn();
    turn();
    ASSERT_TRUE(CmdUndo(*ctx));
    const auto rows = ctx->trans->CreateLV();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].mark, HistoryRow::Mark::None);
    EXPECT_EQ(rows[1].mark, HistoryRow::Mark::Current);
    EXPECT_EQ(rows[2].mark, HistoryRow::Mark::Redo);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].source, "Stock (Pile 1, Card 24)");
    EXPECT_EQ(rows[0].destination, "Waste (Pile 1, Card 1)");
    EXPECT_EQ(rows[0].cards, 1);
    EXPECT_EQ(cTrans::ConvertCell(3), "Foundation");
    EXPECT_EQ(cTrans::ConvertCell(4), "Reserve");
    EXPECT_EQ(cTrans::ConvertCell(7), "");
}

TEST_F(TransTest, ReplayStepsWalkTheLog)
{
    EXPECT_FALSE(ReplayBackwardStep(*ctx)); // nothing to step back over
    turn();
    turn();
    turn();
    ReplayRewind(*ctx);
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    int steps = 0;
    while (ReplayForwardStep(*ctx))
        ++steps;
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(ReplayBackwardStep(*ctx));
    EXPECT_EQ(ctx->trans->GetTransID(), 2);
    EndGame(*ctx, 0);
    EXPECT_FALSE(ReplayForwardStep(*ctx));
}

TEST_F(TransTest, UndoAllAndRedoAllTakeAtMostAFewSecondsAtTheSlowestSpeed)
{
    for (int i = 0; i < 18; ++i)
        turn();
    ctx->animate = true;
    ctx->data.setIntSetting(IntKey::UndoallSpeed, 50);
    ctx->data.setIntSetting(IntKey::UndoSpeed, 50);
    surface.repaints = 0;
    CmdUndoAll(*ctx);
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    // About one frame a step: two seconds hold some 120 steps.
    EXPECT_GT(surface.repaints, 0);
    EXPECT_LE(surface.repaints, 120);
    surface.repaints = 0;
    CmdRedoAll(*ctx);
    EXPECT_EQ(ctx->trans->GetTransID(), 18);
    EXPECT_GT(surface.repaints, 0);
    EXPECT_LE(surface.repaints, 120);
    // A single undo keeps its own speed.
    surface.repaints = 0;
    CmdUndo(*ctx);
    EXPECT_EQ(surface.repaints, 50);
}
