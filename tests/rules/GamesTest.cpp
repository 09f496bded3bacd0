#include "TestSupport.h"

#include "rules/StandardGames.h"

using namespace cardova;
using cardova::test::ContextFixture;

using GamesTest = ContextFixture;

TEST_F(GamesTest, KlondikeLayoutCoordinates)
{
    ASSERT_TRUE(ctx->custom.SelectGame(QStringLiteral("Klondike")).isEmpty());
    const cGames &g = ctx->games;
    EXPECT_EQ(g.area(kTableau).StartX, 1748); // 1747.5 rounded to even
    EXPECT_EQ(g.GetCordX(kStock, 0, 0), 3130);
    EXPECT_EQ(g.GetCordX(kWaste, 0, 0), 4395);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(g.GetCordX(kFoundation, p, 0), 7940 + 1165 * p);
        EXPECT_EQ(g.GetCordY(kFoundation, p, 0), 200);
    }
    EXPECT_EQ(g.GetCordX(kTableau, 0, 0), 1748 + 1965);
    EXPECT_EQ(g.GetCordY(kTableau, 0, 0), 1840);
    // Stock positions 0-2 share a place; 3 steps up and left once.
    EXPECT_EQ(g.GetCordX(kStock, 0, 2), g.GetCordX(kStock, 0, 0));
    EXPECT_EQ(g.GetCordX(kStock, 0, 3), 3130 - 30);
    EXPECT_EQ(g.GetCordY(kStock, 0, 3), 200 - 30);
    EXPECT_EQ(g.GetCordY(kStock, 0, 12), 170);
    EXPECT_EQ(g.GetCordY(kStock, 0, 13), 140);
    EXPECT_EQ(g.GetCordY(kStock, 0, 31), 110);
}

TEST_F(GamesTest, PileCountsGiveCentredStarts)
{
    const struct {
        int piles;
        int startX;
    } cases[] = {{4, 3495}, {7, 1748}, {9, 582}};
    for (const auto &c : cases) {
        GameRecord r;
        r.hPiles = int16_t(c.piles);
        ctx->custom.ApplyRecord(r);
        EXPECT_EQ(ctx->games.area(kTableau).StartX, c.startX) << c.piles;
    }
}

TEST_F(GamesTest, ReadersAndExt)
{
    cGames g;
    g.Home(7, 4, 52, 0, 12, 1, 0, 0, 0, 0, 20, 0, 0, 1, 0, 2, 7);
    EXPECT_EQ(g.MultiMove(), -1);
    EXPECT_EQ(g.MultiOrder(), 4); // 0 means "the tableau order"
    g.Home(7, 9, 52, 0, 12, 0, 0, 0, 0, 0, 20, 0, 0, 1, 0, 2, 7);
    EXPECT_EQ(g.MultiOrder(), 9);
    EXPECT_EQ(g.MultiMove(), 0);

    g.Goal(4, 3, 1, 12, 1, 5975, 0, 1165, 0, 20, 0, 0);
    g.Ext(11000, 300, 52, 7, QStringLiteral("tag"), -1, 2);
    EXPECT_EQ(g.BaseX(), 11000);
    EXPECT_EQ(g.BaseY(), 300);
    EXPECT_EQ(g.Tag(), "tag");
    EXPECT_EQ(g.DisAutoPlay(), -1);
    EXPECT_EQ(g.GoalDiv(), 2);
    EXPECT_EQ(g.GoalType(), 12); // untouched by Ext
    EXPECT_EQ(g.Order(kFoundation), 3);
    EXPECT_EQ(g.EmptyNum(), 12);
}

TEST_F(GamesTest, FaceDownCardsFanTighterThanFaceUp)
{
    start(QStringLiteral("Klondike"), 4711);
    // Pile 6 holds face-down cards under its top: the first face-up card sits
    // 60 units per face-down card below the pile's start.
    const int16_t closed = ctx->table.ClosedCards(6);
    ASSERT_GT(closed, 0);
    const int16_t top = ctx->table.GetTop(kTableau, 6);
    EXPECT_EQ(ctx->games.GetCordY(kTableau, 6, closed), 1840 + closed * 60);
    const cCard &topCard = ctx->cards[size_t(ctx->table.GetTopPicID(kTableau, 6))];
    EXPECT_EQ(topCard.Top, 1840 + closed * 60 + (top - closed) * 250);
    // The placeholder stays at the pile's start whatever lies face down.
    EXPECT_EQ(ctx->games.PileBaseY(kTableau, 6), 1840);
    EXPECT_EQ(ctx->games.PileBaseY(kFoundation, 2), 200);
}

TEST(StandardCatalogue, RecordsAndTexts)
{
    EXPECT_EQ(standardGameName(1), "Klondike");
    EXPECT_EQ(standardGameName(3), "Lawn");
    const auto lawn = standardGameRecord(QStringLiteral("Lawn"));
    ASSERT_TRUE(lawn);
    EXPECT_EQ(*lawn, (GameRecord{3, 12, 1, 4, 13, 7, 0, 1}));
    EXPECT_FALSE(standardGameRecord(QStringLiteral("klondike")));
    EXPECT_EQ(OrderText(4), "Down Alternate Color");
    EXPECT_EQ(OrderText(10), "");
    EXPECT_EQ(BaseCardText(13), "Random");
    EXPECT_EQ(SpaceCardText(13), "Any Card");
    EXPECT_EQ(BoolText(0), "False");
    EXPECT_EQ(BoolText(2), "");
}

TEST_F(GamesTest, FoundationWrapFollowsTheBaseCard)
{
    ctx->custom.SelectGame(QStringLiteral("Lawn"));
    EXPECT_EQ(ctx->games.AK(kFoundation), 1);
    EXPECT_EQ(ctx->games.GoalType(), 12);
    ctx->custom.SelectGame(QStringLiteral("Klondike Plus"));
    EXPECT_EQ(ctx->games.AK(kFoundation), 0);
    EXPECT_EQ(ctx->games.EmptyNum(), 13);
}
