#include "TestSupport.h"

#include "session/MoveDriver.h"
#include "session/Input.h"
#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "session/SolverRequest.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
class AutoPlayTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->data.SetAutoplay(0);
        start(QStringLiteral("Klondike"), 1);
        ctx->data.setIntSetting(IntKey::SoundAutoPlay, -1);
    }
    QStringList movedCards() const
    {
        QStringList cards;
        for (int i = 1; i <= ctx->trans->TransTop; ++i) {
            const cCard &c = ctx->cards[size_t(ctx->trans->record(i).PicID)];
            cards << QString(QLatin1Char("A23456789TJQK"[c.Num])) + QLatin1Char("HSDC"[c.Suit]);
        }
        return cards;
    }
};
} // namespace

TEST_F(AutoPlayTest, AnAceDealtFaceUpGoesUpAtOnceAndIsLogged)
{
    ctx->data.SetAutoplay(1);
    start(QStringLiteral("Klondike"), 4711); // deals the Ace of clubs face up
    EXPECT_EQ(pileText(*ctx, kFoundation, 0), "AC");
    EXPECT_EQ(ctx->trans->TransTop, 1);
    EXPECT_EQ(ctx->trans->record(1).tMod, kModeUncover);
    EXPECT_EQ(recordWinHandler().opened, 0);
}

TEST_F(AutoPlayTest, CascadeRunsInsideEachMove)
{
    lay(*ctx, {{"2H", "KS* AH", "3H"}, "", "AS", {"", "", "", ""}});
    ctx->data.SetAutoplay(1);
    RunAutoPlay(*ctx);
    // Pile 0's Two does not fit yet; the Ace from pile 1 goes up and its own
    // pass takes the Two and then the Three before the waste is looked at.
    EXPECT_EQ(movedCards(), (QStringList{"AH", "2H", "3H", "AS"}));
    EXPECT_EQ(pileText(*ctx, kFoundation, 0), "AH 2H 3H");
    EXPECT_EQ(pileText(*ctx, kFoundation, 1), "AS");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "KS");
    EXPECT_EQ(sound.count(Wave::AutoPlay), 4);
}

TEST_F(AutoPlayTest, OffMovesNothingAndSwitchingOnPlaysAtOnce)
{
    lay(*ctx, {{"AH", "KS"}, "", "", {"", "", "", ""}});
    RunAutoPlay(*ctx);
    EXPECT_EQ(ctx->trans->TransTop, 0);
    CmdToggleAutoplay(*ctx);
    EXPECT_EQ(ctx->data.Autoplay(), 1);
    EXPECT_EQ(pileText(*ctx, kFoundation, 0), "AH");
    CmdToggleAutoplay(*ctx);
    EXPECT_EQ(ctx->data.Autoplay(), 0);
}

TEST_F(AutoPlayTest, StockCardThatFitsGoesOnUp)
{
    lay(*ctx, {{"KS"}, "AD*", "", {"", "", "", ""}});
    ctx->data.SetAutoplay(1);
    CardMouseDown(*ctx, idOf(*ctx, "AD"), 5, 5);
    EXPECT_EQ(pileText(*ctx, kFoundation, 0), "AD");
    EXPECT_EQ(ctx->trans->TransTop, 2); // the turn and the automatic move
}

TEST_F(AutoPlayTest, FullFoundationDifferenceBetweenDropAndAutoplay)
{
    // Foundations build up regardless of suit from the Two, with wrap.
    writeFile(QStringLiteral("Wrap.gam"), "2,1,0,4,12,7,0,1\r\n");
    ctx->custom.Init();
    start(QStringLiteral("Wrap"), 1);
    const QString thirteen = QStringLiteral("2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH AH");
    lay(*ctx, {{"KS", "2S"}, "", "2D", {thirteen, "", "", ""}});
    // A player's drop onto the full foundation is refused.
    const int16_t two = idOf(*ctx, "2D");
    CardMouseDown(*ctx, two, 100, 100);
    const cCard &c = ctx->cards[size_t(two)];
    CardMouseMove(*ctx, two, ctx->games.GetCordX(kFoundation, 0, 13) - c.Left + 100,
                  ctx->games.GetCordY(kFoundation, 0, 13) - c.Top + 100);
    CardMouseUp(*ctx, two);
    EXPECT_EQ(ctx->table.GetTop(kFoundation, 0), 12);
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "2D");
    // Automatic play does not count and puts a Two on the Ace anyway.
    ctx->data.SetAutoplay(1);
    RunAutoPlay(*ctx);
    EXPECT_EQ(ctx->table.GetTop(kFoundation, 0), 13);
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "");
}

TEST_F(AutoPlayTest, CardFittingTwoFoundationsTakesTheLowerOne)
{
    lay(*ctx, {{"AC"}, "", "", {"", "", "", ""}});
    ctx->data.SetAutoplay(1);
    EXPECT_TRUE(AutoToGoal(*ctx, idOf(*ctx, "AC")));
    EXPECT_EQ(pileText(*ctx, kFoundation, 0), "AC");
    EXPECT_FALSE(AutoToGoal(*ctx, idOf(*ctx, "KS")));
}

TEST_F(AutoPlayTest, SwitchingOnWithNoGameMovesNothing)
{
    EndGame(*ctx, 0);
    CmdToggleAutoplay(*ctx);
    EXPECT_EQ(ctx->data.Autoplay(), 1);
    for (const cCard &c : ctx->cards)
        EXPECT_FALSE(c.Visible);
    EXPECT_EQ(ctx->table.TotalGoalCards(), 0);
    // The next deal is whole.
    start(QStringLiteral("Klondike"), 9);
    int placed = 0;
    for (int cell = 0; cell < 4; ++cell)
        for (int p = 0; p < 7; ++p)
            placed += ctx->table.GetTop(cell, p) + 1;
    EXPECT_EQ(placed, 52);
}

// The driver and the questions put to the solver (a hint, the winnable-deal
// search) agree on whether automatic play follows a move: a solver that
// assumed otherwise would plan lines the table does not play.
TEST_F(AutoPlayTest, DriverAndSolverAgreeWhetherAutomaticPlayFollows)
{
    struct Case {
        const char *name;
        int autoplay;
        int16_t disAutoPlay;
        bool suppressed;
        bool follows;
    };
    const Case cases[] = {{"on", 1, 0, false, true},
                          {"setting off", 0, 0, false, false},
                          {"game never plays automatically", 1, kAutoPlayDisabled, false, false},
                          {"run without it", 1, 0, true, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        start(QStringLiteral("Klondike"), 1);
        cGames &g = ctx->games;
        g.Ext(g.BaseX(), g.BaseY(), g.TotalCards(), 0, g.Tag(), c.disAutoPlay, g.GoalDiv());
        ctx->data.SetAutoplay(c.autoplay);
        ctx->autoplaySuppressed = c.suppressed;
        lay(*ctx, {{"AH QS", "KH"}, "", "", {"", "", "", ""}});
        // What the solver is told, and what the winnable-deal search assumes.
        EXPECT_EQ(solverRequest(*ctx, 1).autoplay, c.follows);
        EXPECT_EQ(autoplayFollows(*ctx, ctx->games), c.follows);
        // What the driver does: moving the Queen uncovers an Ace.
        ASSERT_TRUE(playMove(*ctx, Move::card({SourceKind::Tableau, 0, 1}, {TargetKind::Tableau, 1})));
        EXPECT_EQ(pileText(*ctx, kFoundation, 0), c.follows ? "AH" : "");
    }
    ctx->autoplaySuppressed = false;
}
