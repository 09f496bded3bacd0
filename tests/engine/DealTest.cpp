#include "TestSupport.h"

#include "session/DealGame.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <QStringList>
#include <cmath>

using namespace cardova;
using namespace cardova::test;

namespace {
std::vector<int> deckOf(const GameContext &ctx)
{
    std::vector<int> d;
    for (int i = 0; i < 52; ++i)
        d.push_back(ctx.table.GetRandom(i));
    return d;
}

// Tableau piles as "9C*TC": the layout texts without blanks.
QStringList dealtPiles(const GameContext &ctx)
{
    QStringList piles = tableauText(ctx);
    for (QString &p : piles)
        p.remove(QLatin1Char(' '));
    return piles;
}

// Checks that every card's slot fields and the slot table agree.
void expectConsistent(const GameContext &ctx)
{
    int placed = 0;
    for (int cell = 0; cell < 5; ++cell)
        for (int pile = 0; pile < 21; ++pile)
            for (int pos = 0; pos <= ctx.table.GetTop(cell, pile); ++pos) {
                const int16_t id = ctx.table.GetPicID(cell, pile, pos);
                ASSERT_GE(id, 0);
                const cCard &c = ctx.cards[size_t(id)];
                EXPECT_EQ(c.Cell, cell);
                EXPECT_EQ(c.Pile, pile);
                EXPECT_EQ(c.Pos, pos);
                ++placed;
            }
    EXPECT_EQ(placed, 52);
}

class DealTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->autoplaySuppressed = true; // look at the deal itself
    }
    void startText(const QString &game, const QString &number)
    {
        const auto no = GameNumber::fromText(number);
        ASSERT_TRUE(no);
        ASSERT_TRUE(NewGame(*ctx, game, *no).isEmpty());
    }
};
} // namespace

TEST(Generator, ReseedMixAndStep)
{
    RuntimeRandom rng;
    rng.reseedNegative(-10.0f);
    // 0x2000C1 before the discarded step.
    RuntimeRandom expected;
    expected.setState(0x2000C1);
    expected.next();
    EXPECT_EQ(rng.state(), expected.state());

    rng.setState(0xABCDEF);
    rng.mix(1.0); // upper word 0x3FF00000 -> M = 0x3FF0 ^ 0 = 0x3FF0
    EXPECT_EQ(rng.state(), (0x3FF0u << 8) | 0xEFu);

    rng.setState(0);
    const float v = rng.next();
    EXPECT_EQ(rng.state(), 12820163u);
    EXPECT_FLOAT_EQ(v, 12820163.0f / 16777216.0f);
}

TEST_F(DealTest, GoldenKlondikeByNumber)
{
    start(QStringLiteral("Klondike"), 4711);
    EXPECT_EQ(deckOf(*ctx), (std::vector<int>{11, 43, 45, 15, 40, 50, 9,  6,  35, 3,  23, 22, 42,
                                              49, 18, 1,  14, 0,  16, 26, 10, 25, 36, 32, 7,  30,
                                              31, 2,  44, 38, 27, 51, 17, 39, 5,  19, 8,  46, 20,
                                              33, 12, 29, 24, 13, 48, 37, 28, 34, 4,  41, 47, 21}));
    EXPECT_EQ(dealtPiles(*ctx),
              (QStringList{"9S", "9C*TC", "3C*AS*8S", "5H*QS*8C*AC", "9D*4D*9H*5S*KD",
                           "3D*KH*7S*KC*6C*6D", "QD*8D*6H*2D*3H*5D*8H"}));
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), 23);
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), -1);
    EXPECT_EQ(ctx->table.TotalGoalCards(), 0);
    expectConsistent(*ctx);
}

TEST_F(DealTest, GoldenNumbersAsTextAndFifteenDigits)
{
    startText(QStringLiteral("Klondike"), QStringLiteral("12.5"));
    EXPECT_EQ(deckOf(*ctx), (std::vector<int>{27, 9,  11, 30, 8,  12, 24, 20, 6,  16, 36, 35, 42,
                                              22, 48, 13, 26, 49, 40, 4,  44, 32, 10, 7,  39, 28,
                                              18, 29, 14, 51, 41, 17, 37, 50, 34, 45, 21, 19, 2,
                                              25, 46, 23, 5,  33, 0,  31, 15, 43, 1,  3,  47, 38}));
    EXPECT_EQ(ctx->data.CurGNo().toText(), "12.5");

    startText(QStringLiteral("Klondike"), QStringLiteral("999999999999999"));
    EXPECT_EQ(deckOf(*ctx), (std::vector<int>{3,  35, 37, 7,  33, 36, 2,  43, 28, 38, 17, 16, 46,
                                              4,  12, 32, 9,  29, 10, 21, 5,  20, 26, 39, 51, 44,
                                              6,  22, 27, 31, 23, 8,  14, 18, 45, 34, 24, 11, 50,
                                              40, 49, 13, 1,  19, 42, 41, 15, 48, 30, 25, 47, 0}));
    EXPECT_EQ(dealtPiles(*ctx).first(), "AH");
}

TEST_F(DealTest, GoldenLawnStartsWithAKing)
{
    start(QStringLiteral("Lawn"), 1);
    EXPECT_EQ(deckOf(*ctx), (std::vector<int>{20, 2,  5,  24, 50, 6,  18, 14, 43, 11, 30, 41, 42,
                                              16, 25, 8,  21, 7,  22, 0,  38, 32, 46, 3,  12, 4,
                                              44, 29, 39, 13, 23, 15, 1,  48, 36, 17, 10, 47, 19,
                                              34, 27, 28, 26, 45, 31, 9,  37, 33, 35, 40, 49, 51}));
    EXPECT_EQ(ctx->table.TotalGoalCards(), 1);
    const cCard &king = ctx->cards[size_t(ctx->table.GetTopPicID(kFoundation, 0))];
    EXPECT_EQ(king.Num, 12);
    EXPECT_EQ(king.Suitpile, 0);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), 22); // 23 cards left in the stock
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(ctx->markers.Right[p].Picture, 12);
    expectConsistent(*ctx);
}

TEST_F(DealTest, GoldenNinePilesWithFourBaseCards)
{
    writeFile(QStringLiteral("Nine Piles.gam"), "0,0,4,4,13,9,0,1\r\n");
    ctx->custom.Init();
    start(QStringLiteral("Nine Piles"), 20);
    EXPECT_EQ(dealtPiles(*ctx),
              (QStringList{"7H", "JD*9S", "7C*3C*5D", "KD*2H*KS*3D", "TC*4H*TD*2S*5C",
                           "3S*QH*QD*9C*QS*2D", "6S*6D*KH*JC*8C*7S*8D", "5H*9D*4D*2C*KC*4C*3H*8S",
                           "TS*8H*4S*6C*JH*7D*5S*TH*QC"}));
    EXPECT_EQ(ctx->table.TotalGoalCards(), 4);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), 2); // 48 - 45 = 3 cards
    for (int g = 0; g < 4; ++g)
        EXPECT_EQ(ctx->cards[size_t(ctx->table.GetTopPicID(kFoundation, g))].Suit, g);
    expectConsistent(*ctx);
}

TEST_F(DealTest, SameNumberSameDealWhateverCameBefore)
{
    start(QStringLiteral("Klondike"), 77);
    const auto first = deckOf(*ctx);
    for (int i = 0; i < 5; ++i)
        RandomGameNo(*ctx); // uses the shared generator
    start(QStringLiteral("Klondike"), 77);
    EXPECT_EQ(deckOf(*ctx), first);
    // Numbers whose doubles share their upper word give the same deal.
    start(QStringLiteral("Klondike"), 1.0);
    const auto one = deckOf(*ctx);
    start(QStringLiteral("Klondike"), 1.0 + std::ldexp(1.0, -40));
    EXPECT_EQ(deckOf(*ctx), one);
    start(QStringLiteral("Klondike"), 2.0);
    EXPECT_NE(deckOf(*ctx), one);
}

TEST_F(DealTest, DealIsStaircaseAndRecordsNothing)
{
    start(QStringLiteral("Klondike"), 3);
    for (int p = 0; p < 7; ++p) {
        EXPECT_EQ(ctx->table.GetTop(kTableau, p), p);
        EXPECT_EQ(ctx->table.ClosedCards(int16_t(p)), p);
    }
    EXPECT_EQ(ctx->trans->TransTop, 0);
    EXPECT_EQ(sound.count(Wave::Start), 1);
    EXPECT_EQ(ctx->markers.Stock.Picture, 16);
    EXPECT_EQ(ctx->markers.Home[0].Picture, 12); // Klondike: a King fills a space
    EXPECT_FALSE(ctx->markers.Home[7].Visible);
    // The stock holds the undealt cards in card order, highest id on top.
    for (int pos = 1; pos <= ctx->table.GetTop(kStock, 0); ++pos)
        EXPECT_GT(ctx->table.GetPicID(kStock, 0, pos), ctx->table.GetPicID(kStock, 0, pos - 1));
    // The staircase is animated, the rest jumps.
    EXPECT_EQ(surface.repaints, 28 * 3);
    EXPECT_GE(surface.eventRuns, 52);
}

TEST_F(DealTest, RandomBaseIsReproducibleAndPlayable)
{
    writeFile(QStringLiteral("Random Base.gam"), "0,13,4,4,13,7,0,1\r\n");
    ctx->custom.Init();
    start(QStringLiteral("Random Base"), 4711);
    const int16_t base = ctx->table.BaseNum;
    EXPECT_GE(base, 0);
    EXPECT_LE(base, 12);
    EXPECT_EQ(base, ctx->table.GetRandom(0) % 13);
    EXPECT_EQ(ctx->table.TotalGoalCards(), 4);
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(ctx->cards[size_t(ctx->table.GetTopPicID(kFoundation, g))].Num, base);
        EXPECT_EQ(ctx->markers.Right[g].Picture, base);
    }
    start(QStringLiteral("Random Base"), 4711);
    EXPECT_EQ(ctx->table.BaseNum, base);
}
