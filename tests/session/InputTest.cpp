#include "TestSupport.h"

#include "session/Input.h"
#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
class InputTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->data.SetAutoplay(0);
        start(QStringLiteral("Klondike"), 1);
    }
    // Presses the card, drags its top-left corner to (x, y) and releases it.
    void dragTo(const QString &cardText, int x, int y)
    {
        const int16_t id = idOf(*ctx, cardText);
        CardMouseDown(*ctx, id, 100, 100);
        const cCard &c = ctx->cards[size_t(id)];
        CardMouseMove(*ctx, id, x - c.Left + 100, y - c.Top + 100);
        CardMouseUp(*ctx, id);
    }
    int slotX(int cell, int pile, int pos) const { return ctx->games.GetCordX(cell, pile, pos); }
    int slotY(int cell, int pile, int pos) const { return ctx->games.GetCordY(cell, pile, pos); }
};
} // namespace

TEST_F(InputTest, ACardOverTwoPilesGoesToTheFirstThatAccepts)
{
    lay(*ctx, {{"8C", "8S", "KD"}, "", "7H"});
    // Its centre falls in the gap between piles 0 and 1; it overlaps both.
    const int left = slotX(kTableau, 0, 1) + 1115 - 532;
    dragTo("7H", left, slotY(kTableau, 0, 1));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "8C 7H");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "8S");
}

TEST_F(InputTest, OverlapPassPlacesWhatTheCentreMisses)
{
    lay(*ctx, {{"8C", "KD"}, "", "7H"});
    // The centre lies below pile 0's rectangle, but the cards overlap.
    dragTo("7H", slotX(kTableau, 0, 1) + 40, slotY(kTableau, 0, 1) + 1000);
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "8C 7H");
    EXPECT_EQ(ctx->trans->GetTransID(), 1);
}

TEST_F(InputTest, RefusedDropsReturnWithoutAMove)
{
    lay(*ctx, {{"9C 8H", "KD", ""}, "", "", {"AC"}});
    const cCard &eight = ctx->cards[size_t(idOf(*ctx, "8H"))];
    const int left = eight.Left, top = eight.Top;
    dragTo("8H", slotX(kTableau, 0, 2), slotY(kTableau, 0, 2)); // its own pile
    dragTo("8H", slotX(kTableau, 1, 1), slotY(kTableau, 1, 1)); // red on red King: no
    dragTo("8H", slotX(kStock, 0, 0), slotY(kStock, 0, 0));     // the stock is no target
    dragTo("8H", 20000, 20000);                                  // nowhere
    EXPECT_EQ(eight.Left, left);
    EXPECT_EQ(eight.Top, top);
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "9C 8H");
}

TEST_F(InputTest, RunsMoveTogetherButNeverOntoAFoundation)
{
    lay(*ctx, {{"KS* 9C 8H 7S", "TD", ""}, "", "", {"AH 2H 3H 4H 5H 6H 7H", "", "", ""}});
    dragTo("8H", slotX(kFoundation, 0, 0), slotY(kFoundation, 0, 0));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KS* 9C 8H 7S");
    const cCard &seven = ctx->cards[size_t(idOf(*ctx, "7S"))];
    EXPECT_EQ(seven.Top, slotY(kTableau, 0, 3)); // the run came back together
    dragTo("9C", slotX(kTableau, 1, 1), slotY(kTableau, 1, 1));
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "TD 9C 8H 7S");
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KS");
    EXPECT_EQ(ctx->trans->record(1).mCards, 2);
}

TEST_F(InputTest, PickingRules)
{
    lay(*ctx, {{"QS* 9C 8H 8S", "TD 9S 8D"}});
    ctx->data.setIntSetting(IntKey::SoundCardDown, -1);
    CardMouseDown(*ctx, idOf(*ctx, "QS"), 5, 5); // face down, below the top
    EXPECT_FALSE(ctx->input.Dragging);
    EXPECT_EQ(sound.count(Wave::CardDown), 1);  // the sound plays all the same
    CardMouseDown(*ctx, idOf(*ctx, "9C"), 5, 5); // run broken at the top
    EXPECT_FALSE(ctx->input.Dragging);
    CardMouseDown(*ctx, idOf(*ctx, "8S"), 5, 5); // its top card alone
    EXPECT_TRUE(ctx->input.Dragging);
    EXPECT_EQ(ctx->input.DragCount, 0);
    CardMouseUp(*ctx, idOf(*ctx, "8S"));
    CardMouseDown(*ctx, idOf(*ctx, "TD"), 5, 5); // a whole ordered run
    EXPECT_TRUE(ctx->input.Dragging);
    EXPECT_EQ(ctx->input.DragCount, 2);
    CardMouseUp(*ctx, idOf(*ctx, "TD"));
}

TEST_F(InputTest, WithoutMultiMoveOnlyTopCardsAreTaken)
{
    writeFile(QStringLiteral("Single.gam"), "0,0,0,4,13,7,0,0\r\n");
    ctx->custom.Init();
    start(QStringLiteral("Single"), 1);
    lay(*ctx, {{"TD 9S 8H"}});
    CardMouseDown(*ctx, idOf(*ctx, "9S"), 5, 5);
    EXPECT_FALSE(ctx->input.Dragging);
    CardMouseDown(*ctx, idOf(*ctx, "8H"), 5, 5);
    EXPECT_TRUE(ctx->input.Dragging);
}

TEST_F(InputTest, EmptyPilesAndFoundationsTakeTheirCards)
{
    lay(*ctx, {{"", "QD", "KH"}, "", "AS", {"", "", "", ""}});
    dragTo("QD", slotX(kTableau, 0, 0), slotY(kTableau, 0, 0)); // Klondike: Kings only
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "");
    dragTo("KH", slotX(kTableau, 0, 0), slotY(kTableau, 0, 0));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KH");
    dragTo("AS", slotX(kFoundation, 2, 0), slotY(kFoundation, 2, 0));
    EXPECT_EQ(pileText(*ctx, kFoundation, 2), "AS");
    // A foundation card may come back down to the tableau.
    lay(*ctx, {{"2D"}, "", "", {"AS", "", "", ""}});
    dragTo("AS", slotX(kTableau, 0, 1), slotY(kTableau, 0, 1));
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "2D AS");
}

TEST_F(InputTest, AnEmptyPileIsHitOneFanOffsetAboveItsFirstSlot)
{
    lay(*ctx, {{"", "QD"}, "", "KH"});
    // The card's lower edge reaches 150 units into the band above the
    // pile's first slot: only the overlap pass finds the pile.
    const int top = slotY(kTableau, 0, 0) - 100 - kCardHeight;
    dragTo("KH", slotX(kTableau, 0, 0), top);
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KH");
    EXPECT_EQ(slotY(kTableau, 0, -1), slotY(kTableau, 0, 0) - 250);
}

TEST_F(InputTest, IgnoredWhileNoGameRuns)
{
    EndGame(*ctx, 0);
    CardMouseDown(*ctx, 0, 5, 5);
    EXPECT_FALSE(ctx->input.Dragging);
    StockMarkerClick(*ctx);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), -1);
}

namespace {
// Keeps what the table held at each call, as a view would draw it then.
class SnapshotSurface : public TableSurface {
public:
    explicit SnapshotSurface(const GameContext &ctx) : ctx_(ctx) {}
    void repaintNow() override { last = snapshot(ctx_); }
    void letEventsRun() override {}
    void tableChanged() override { last = snapshot(ctx_); }
    static QString snapshot(const GameContext &ctx)
    {
        QString s = tableauText(ctx).join(QLatin1Char('|'));
        for (int cell : {kStock, kWaste})
            s += QLatin1Char('|') + pileText(ctx, cell, 0);
        for (int i = 0; i < kDeckSize; ++i)
            s += QStringLiteral(" %1,%2").arg(ctx.cards[size_t(i)].Left).arg(ctx.cards[size_t(i)].Top);
        return s;
    }
    QString last;

private:
    const GameContext &ctx_;
};
} // namespace

TEST_F(InputTest, TheLastWordToTheSurfaceIsTheStateAnActionLeft)
{
    SnapshotSurface watcher(*ctx);
    ctx->setSurface(&watcher);
    lay(*ctx, {{"KS* 9C 8H 7S", "TD"}, "2C* 3D*", ""});
    const auto expectSeen = [&](const char *action) {
        EXPECT_EQ(watcher.last, SnapshotSurface::snapshot(*ctx)) << action;
    };
    CardMouseDown(*ctx, idOf(*ctx, "3D"), 5, 5); // lands face up after its last step
    expectSeen("a stock click");
    dragTo("9C", slotX(kTableau, 1, 1), slotY(kTableau, 1, 1)); // riders jump after the last step
    expectSeen("a run drop");
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "KS");
    CmdUndo(*ctx);
    expectSeen("undo");
    CmdRedo(*ctx);
    expectSeen("redo");
    CardMouseDown(*ctx, idOf(*ctx, "2C"), 5, 5);
    StockMarkerClick(*ctx);
    expectSeen("a recycle");
    ctx->setSurface(&surface);
}

TEST_F(InputTest, PlayerMovesAnimateAtTheCardSpeed)
{
    lay(*ctx, {{"9S", "8H"}, "2C* 3D*", ""});
    ctx->data.setIntSetting(IntKey::CardSpeed, 7);
    surface.repaints = 0;
    CardMouseDown(*ctx, idOf(*ctx, "3D"), 5, 5);
    EXPECT_EQ(surface.repaints, 7);
    dragTo("8H", slotX(kTableau, 0, 1), slotY(kTableau, 0, 1));
    EXPECT_EQ(surface.repaints, 14);
    ctx->data.setIntSetting(IntKey::CardSpeed, 0); // the fastest: cards jump
    CardMouseDown(*ctx, idOf(*ctx, "2C"), 5, 5);
    EXPECT_EQ(surface.repaints, 14);
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "3D 2C");
}

TEST_F(InputTest, CancellingADragPutsTheRunBackAndForgetsThePick)
{
    lay(*ctx, {{"TD 9C 8H", "JS"}});
    const int16_t ten = idOf(*ctx, "TD");
    CardMouseDown(*ctx, ten, 100, 100);
    CardMouseMove(*ctx, ten, 3000, 900);
    ASSERT_TRUE(ctx->input.Dragging);
    ASSERT_NE(ctx->cards[size_t(idOf(*ctx, "8H"))].Left, slotX(kTableau, 0, 2));
    CancelDrag(*ctx);
    EXPECT_FALSE(ctx->input.Dragging);
    EXPECT_EQ(ctx->input.PickedID, -1);
    EXPECT_EQ(tableProblems(*ctx), "");
    CardMouseUp(*ctx, ten); // the release that follows does nothing
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "TD 9C 8H");
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
}
