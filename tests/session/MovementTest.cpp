#include "TestSupport.h"

#include "session/Input.h"
#include "session/Commands.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
// Remembers where a card stood at every repaint.
class TrackingSurface : public TableSurface {
public:
    explicit TrackingSurface(const GameContext &ctx, int16_t id) : ctx_(ctx), id_(id) {}
    void repaintNow() override
    {
        const cCard &c = ctx_.cards[size_t(id_)];
        steps.push_back({c.Left, c.Top});
    }
    void letEventsRun() override {}
    std::vector<std::pair<int, int>> steps;

private:
    const GameContext &ctx_;
    int16_t id_;
};

class MovementTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->data.SetAutoplay(0);
        start(QStringLiteral("Klondike"), 1);
    }
    void move(int16_t id, int16_t cell, int16_t pile, int16_t riders)
    {
        int32_t mode = kModePlay;
        MoveCard(*ctx, id, cell, pile, int16_t(ctx->table.GetTop(cell, pile) + 1), mode, 3,
                            riders, 0);
        lastMode = mode;
    }
    int32_t lastMode = -1;
};
} // namespace

TEST_F(MovementTest, UncoveringTurnsTheCardAndUndoTurnsItBack)
{
    lay(*ctx, {{"5S* 6H", "7S"}});
    move(idOf(*ctx, "6H"), kTableau, 1, 0);
    EXPECT_EQ(lastMode, kModeUncover);
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "5S");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "7S 6H");
    EXPECT_EQ(ctx->trans->record(1).tMod, kModeUncover);

    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "5S* 6H");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "7S");
    const cCard &six = ctx->cards[size_t(idOf(*ctx, "6H"))];
    EXPECT_EQ(six.Top, ctx->games.GetCordY(kTableau, 0, 1));

    ASSERT_TRUE(CmdRedo(*ctx));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "5S");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "7S 6H");
}

TEST_F(MovementTest, RidersTravelAndBothTopsFollow)
{
    lay(*ctx, {{"KS* QS* JS* TS* 9S* 8H 7S 6H 5S", ""}});
    move(idOf(*ctx, "8H"), kTableau, 1, 3);
    EXPECT_EQ(ctx->table.GetTop(kTableau, 0), 4);
    EXPECT_EQ(ctx->table.GetTop(kTableau, 1), 3);
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "8H 7S 6H 5S");
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KS* QS* JS* TS* 9S");
    const cCard &five = ctx->cards[size_t(idOf(*ctx, "5S"))];
    EXPECT_EQ(five.Cell, kTableau);
    EXPECT_EQ(five.Pile, 1);
    EXPECT_EQ(five.Pos, 3);
    EXPECT_EQ(ctx->trans->record(1).mCards, 3);
}

TEST_F(MovementTest, DealMovesRecordNothingAndLeaveTheOldSlot)
{
    lay(*ctx, {{"KS QH", ""}});
    const int16_t queen = idOf(*ctx, "QH");
    int32_t mode = kModeDeal;
    MoveCard(*ctx, queen, kTableau, 1, 0, mode, 0, 0, 0);
    EXPECT_EQ(ctx->trans->TransTop, 0);
    EXPECT_EQ(ctx->table.GetPicID(kTableau, 0, 1), queen); // above the top: left as it was
    EXPECT_EQ(ctx->table.GetTop(kTableau, 0), 0);
    EXPECT_EQ(ctx->table.GetTopPicID(kTableau, 1), queen);
}

TEST_F(MovementTest, RecycleIsOneUndoStepInFormerOrder)
{
    lay(*ctx, {{"KS"}, "", "2H 3H 4H 5H 6H 7H 8H 9H TH JH"});
    StockMarkerClick(*ctx);
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), -1);
    // The first card turned (lowest in the waste) ends on top of the stock.
    EXPECT_EQ(pileText(*ctx, kStock, 0), "JH* TH* 9H* 8H* 7H* 6H* 5H* 4H* 3H* 2H*");
    EXPECT_EQ(ctx->trans->GetTransID(), 10);

    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "2H 3H 4H 5H 6H 7H 8H 9H TH JH");
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), -1);

    ASSERT_TRUE(CmdRedo(*ctx));
    EXPECT_EQ(ctx->trans->GetTransID(), 10);
    EXPECT_EQ(pileText(*ctx, kStock, 0), "JH* TH* 9H* 8H* 7H* 6H* 5H* 4H* 3H* 2H*");
    EXPECT_FALSE(ctx->trans->RedoPossible());
}

TEST_F(MovementTest, StockToWasteAndBackRestoresFaces)
{
    lay(*ctx, {{"KS"}, "2C* 3C* 4C*", ""});
    CardMouseDown(*ctx, idOf(*ctx, "4C"), 10, 10);
    CardMouseUp(*ctx, idOf(*ctx, "4C"));
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "4C");
    EXPECT_EQ(ctx->trans->record(1).tMod, kModeStock);
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(pileText(*ctx, kStock, 0), "2C* 3C* 4C*");
    ASSERT_TRUE(CmdRedo(*ctx));
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "4C");
    // Pressing a stock card that is not on top does nothing.
    CardMouseDown(*ctx, idOf(*ctx, "2C"), 10, 10);
    EXPECT_EQ(pileText(*ctx, kStock, 0), "2C* 3C*");
}

TEST_F(MovementTest, SpeedThreePassesTwoPointsOnTheWay)
{
    lay(*ctx, {{"KS", "", "QH"}});
    const int16_t queen = idOf(*ctx, "QH");
    TrackingSurface track(*ctx, queen);
    ctx->setSurface(&track);
    const cCard &q = ctx->cards[size_t(queen)];
    const int x0 = q.Left, y0 = q.Top;
    move(queen, kTableau, 0, 0);
    ctx->setSurface(&surface);
    ASSERT_EQ(track.steps.size(), 3u);
    const int x1 = ctx->games.GetCordX(kTableau, 0, 1), y1 = ctx->games.GetCordY(kTableau, 0, 1);
    EXPECT_NEAR(track.steps[0].first, x0 + (x1 - x0) / 3.0, 0.5);
    EXPECT_NEAR(track.steps[0].second, y0 + (y1 - y0) / 3.0, 0.5);
    EXPECT_NEAR(track.steps[1].first, x0 + 2 * (x1 - x0) / 3.0, 0.5);
    EXPECT_EQ(track.steps[2], std::make_pair(x1, y1));
    EXPECT_EQ(q.Left, x1);
    EXPECT_EQ(q.Top, y1);
}
