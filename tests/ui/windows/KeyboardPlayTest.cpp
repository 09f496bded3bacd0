#include "TableFixture.h"

#include "session/cTrans.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"

#include <QKeyEvent>

using namespace cardova;
using namespace cardova::test;

namespace {
using Spot = KeyboardPlay::Spot;

class KeyboardPlayTest : public TableFixture {
protected:
    void key(int k)
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(view, &press);
    }
    KeyboardPlay &keys() { return view->keyboard(); }
    // Walks right until the cursor stands on the pile.
    void goTo(Spot spot, int pile)
    {
        for (int i = 0; i < 20 && !(keys().cursor().spot == spot && keys().cursor().pile == pile); ++i)
            key(Qt::Key_Right);
        ASSERT_EQ(keys().cursor().spot, spot);
        ASSERT_EQ(keys().cursor().pile, pile);
    }
    void goToCard(int pile, int pos)
    {
        goTo(Spot::Tableau, pile);
        for (int i = 0; i < 20 && keys().cursor().pos > pos; ++i)
            key(Qt::Key_Up);
        ASSERT_EQ(keys().cursor().pos, pos);
    }
    // One action of the command-line notation, made with keys only.
    void playByKeys(const QString &text)
    {
        const auto a = parsePlayAction(text);
        ASSERT_TRUE(a);
        if (a->kind == PlayAction::Kind::Stock) {
            key(Qt::Key_S);
            return;
        }
        if (a->srcCell == kWaste)
            goTo(Spot::Waste, 0);
        else
            goToCard(a->srcPile, a->srcPos);
        key(Qt::Key_Space);
        ASSERT_TRUE(keys().held().has_value()) << text.toStdString();
        goTo(a->dstCell == kTableau ? Spot::Tableau : Spot::Foundation, a->dstPile);
        key(Qt::Key_Return);
    }
};
} // namespace

TEST_F(KeyboardPlayTest, AWholeGameIsWonWithKeysAlone)
{
    ui::FinishWinHandler *finish = closeFinishAtOnce();
    ctx->data.SetAutoplay(1);
    ctx->animate = false;
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(kWinningNumber));
    for (const QString &text : winningActions()) {
        const int before = ctx->trans->TransPos;
        playByKeys(text);
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(ctx->trans->TransPos > before || !ctx->GameRunning()) << text.toStdString();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(finish->opened(), 1);
    ctx->scores.OpenAllScore();
    ASSERT_GE(ctx->scores.ScoreTop(), 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(ctx->scores.ScoreTop()).Won, 1);
    ctx->scores.CloseScore();
}

TEST_F(KeyboardPlayTest, TheCursorWalksThePilesAndTheFaceUpCards)
{
    EXPECT_FALSE(keys().visible());
    key(Qt::Key_Left); // from the stock round to the last tableau pile
    EXPECT_TRUE(keys().visible());
    EXPECT_EQ(keys().cursor(), (KeyboardPlay::Cursor{Spot::Tableau, 6, 6}));
    key(Qt::Key_Up); // only one card of the deal's pile is face up
    EXPECT_EQ(keys().cursor().pos, 6);
    key(Qt::Key_Right);
    EXPECT_EQ(keys().cursor().spot, Spot::Stock);
    key(Qt::Key_Right);
    EXPECT_EQ(keys().cursor().spot, Spot::Waste);
    EXPECT_EQ(keys().describe(), "Waste, empty");
    goTo(Spot::Tableau, 0);
    EXPECT_EQ(keys().describe(), "King of Clubs, pile 1");
    EXPECT_EQ(view->accessibleDescription(), "King of Clubs, pile 1");
}

TEST_F(KeyboardPlayTest, ARefusedDropLetsGoAndEscapeCancels)
{
    goTo(Spot::Tableau, 0);
    key(Qt::Key_Space); // the King of clubs
    ASSERT_TRUE(keys().held());
    goTo(Spot::Tableau, 2);
    const int before = ctx->trans->TransPos;
    key(Qt::Key_Return); // a King goes on nothing but a space
    EXPECT_FALSE(keys().held());
    EXPECT_EQ(ctx->trans->TransPos, before);
    key(Qt::Key_Space);
    ASSERT_TRUE(keys().held());
    key(Qt::Key_Escape);
    EXPECT_FALSE(keys().held());
    EXPECT_EQ(tableProblems(*ctx), QString());
}

TEST_F(KeyboardPlayTest, TheCursorIsDrawnOnlyOnceAKeyIsUsedAndTheMouseHidesIt)
{
    const QImage before = window->grab().toImage();
    key(Qt::Key_Right);
    const QImage withCursor = window->grab().toImage();
    EXPECT_NE(before, withCursor);
    ASSERT_TRUE(withCursor.save(QStringLiteral(SCREENSHOT_DIR "/keyboard-cursor.png")));
    mouse(QEvent::MouseButtonPress, QPointF(2, 2));
    mouse(QEvent::MouseButtonRelease, QPointF(2, 2));
    EXPECT_FALSE(keys().visible());
    EXPECT_EQ(window->grab().toImage(), before);
}
