// A run too long for the free cells and spaces is refused with the number
// of cards that may move, whether the mouse or the keys tried it; every
// other refusal says nothing.
#include "TestSupport.h"

#include "rules/ClassicGames.h"
#include "session/Input.h"
#include "session/KeyboardPlay.h"
#include "session/MoveDriver.h"
#include "session/MoveRefusal.h"
#include "session/cTrans.h"

using namespace cardova;
using namespace cardova::test;

namespace {
class MoveRefusalTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->data.SetAutoplay(0);
        ctx->moveRefused = [this](const QString &reason) { reasons << reason; };
    }
    void startClassic(const char *name)
    {
        const QString game = QString::fromLatin1(name);
        ASSERT_EQ(ctx->custom.SaveGame(game, *classicRecord(game)), QString());
        start(game, 1);
    }
    Rules rules() const { return currentRules(*ctx); }
    Position position() const { return currentPosition(*ctx, rules()); }
    // Presses the card, drags its top-left corner onto the slot and releases.
    void dragTo(const QString &cardText, int cell, int pile, int pos)
    {
        const int16_t id = idOf(*ctx, cardText);
        CardMouseDown(*ctx, id, 100, 100);
        const cCard &c = ctx->cards[size_t(id)];
        CardMouseMove(*ctx, id, ctx->games.GetCordX(cell, pile, pos) - c.Left + 100,
                      ctx->games.GetCordY(cell, pile, pos) - c.Top + 100);
        CardMouseUp(*ctx, id);
    }
    QStringList reasons;
};

Move tableauMove(int from, int pos, int to)
{
    return Move::card({SourceKind::Tableau, uint8_t(from), uint8_t(pos)}, {TargetKind::Tableau, uint8_t(to)});
}
} // namespace

TEST_F(MoveRefusalTest, ARunTooLongSaysHowManyCardsMayMoveOntoThatPile)
{
    startClassic("FreeCell");
    // A six-card run on pile 0, a black Seven on pile 1, three cells and
    // every pile but the last taken: (1 + 1) * 2 = 4 onto a card, 2 onto
    // the space.
    lay(*ctx, {{"6H 5S 4H 3S 2H AS", "7S", "KD", "KC", "QD", "QC", "JD", ""},
               "", "", {}, {"TD", "TC", "9D", ""}});
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 0, 1)), "Only 4 cards can move now");
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 0, 7)), "Only 2 cards can move now");
    // Moves the rules allow, and moves refused for another reason, say nothing.
    EXPECT_TRUE(isLegal(position(), rules(), tableauMove(0, 4, 7)));
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 4, 7)), QString());
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 0, 2)), QString()); // a red King takes no red Six
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 0, 0)), QString()); // its own pile
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 1, 1)), QString()); // a Five on a Seven
    EXPECT_EQ(refusalReason(position(), rules(),
                            Move::card({SourceKind::Tableau, 0, 5}, {TargetKind::Cell, 3})),
              QString());

    // Every cell and pile taken: one card at a time.
    lay(*ctx, {{"8H 7S", "9S", "KD", "KC", "QD", "QC", "JD", "JC"}, "", "", {}, {"TD", "TC", "9D", "9C"}});
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 0, 1)), "Only 1 card can move now");
}

TEST_F(MoveRefusalTest, OnlyTheFreeCellRuleLimitsRuns)
{
    start(QStringLiteral("Klondike"), 1);
    lay(*ctx, {{"KS* 9C 8H 7S 6H 5S 4H", "TD"}});
    EXPECT_TRUE(isLegal(position(), rules(), tableauMove(0, 1, 1)));
    EXPECT_EQ(refusalReason(position(), rules(), tableauMove(0, 1, 1)), QString());
}

TEST_F(MoveRefusalTest, TheMouseAndTheKeysSayWhyARunWasRefusedAndNothingElse)
{
    startClassic("FreeCell");
    lay(*ctx, {{"8H 7S", "9S", "KD", "KC", "QD", "QC", "JD", "JC"}, "", "", {}, {"TD", "TC", "9D", "9C"}});
    // The mouse: the run back to its pile, and onto the Nine.
    dragTo("8H", kTableau, 2, 1); // a red King takes no red Eight: nothing said
    EXPECT_TRUE(reasons.isEmpty());
    dragTo("8H", kTableau, 1, 1);
    EXPECT_EQ(reasons, QStringList{QStringLiteral("Only 1 card can move now")});
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "8H 7S");
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    EXPECT_EQ(tableProblems(*ctx), QString());

    // The keys: the run held, the cursor on the Nine's pile.
    reasons.clear();
    KeyboardPlay keys(*ctx);
    for (int i = 0; i < 20 && keys.cursor() != KeyboardPlay::Cursor{KeyboardPlay::Spot::Tableau, 0, 1}; ++i)
        keys.right();
    keys.up();
    keys.select();
    ASSERT_EQ(keys.held(), (Source{SourceKind::Tableau, 0, 0}));
    keys.right();
    EXPECT_FALSE(keys.select());
    EXPECT_EQ(reasons, QStringList{QStringLiteral("Only 1 card can move now")});

    // With a cell free the same run moves, and nothing is said.
    reasons.clear();
    lay(*ctx, {{"8H 7S", "9S", "KD", "KC", "QD", "QC", "JD", "JC"}, "", "", {}, {"TD", "TC", "9D", ""}});
    dragTo("8H", kTableau, 1, 1);
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "9S 8H 7S");
    EXPECT_TRUE(reasons.isEmpty());
}
