#include "TableFixture.h"

#include "WinningDeal.h"
#include "cli/PlayActions.h"
#include "session/cTrans.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/TableView.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

using namespace cardova;
using namespace cardova::test;

namespace {
using TableViewTest = TableFixture;
} // namespace

TEST_F(TableViewTest, MouseDragMovesACardOrReturnsIt)
{
    lay(*ctx, {{"9C 8H", "9S", "TD"}});
    view->update();
    const int16_t eight = idOf(*ctx, "8H");
    const cCard &c = ctx->cards[size_t(eight)];
    const int left = c.Left, top = c.Top;
    dragCard(eight, kTableau, 2, 1); // red on red: refused
    EXPECT_EQ(c.Left, left);
    EXPECT_EQ(c.Top, top);
    EXPECT_EQ(ctx->trans->GetTransID(), 0);
    dragCard(eight, kTableau, 1, 1); // red Eight on black Nine
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "9S 8H");
    EXPECT_EQ(c.Left, ctx->games.GetCordX(kTableau, 1, 1));
    EXPECT_EQ(ctx->trans->GetTransID(), 1);
}

TEST_F(TableViewTest, ClickingTheStockAndItsEmptyMarker)
{
    lay(*ctx, {{"KS"}, "2C*", "3D"});
    const int16_t two = idOf(*ctx, "2C");
    const QPointF stockPoint = view->toWidget(ctx->games.GetCordX(kStock, 0, 0), ctx->games.GetCordY(kStock, 0, 0)) +
                            QPointF(20, 20);
    EXPECT_EQ(view->cardAt(stockPoint), two);
    mouse(QEvent::MouseButtonPress, stockPoint);
    mouse(QEvent::MouseButtonRelease, stockPoint);
    EXPECT_EQ(pileText(*ctx, kWaste, 0), "3D 2C");
    // Now the stock is empty: a click on its marker turns the waste back.
    EXPECT_EQ(view->cardAt(stockPoint), -1);
    mouse(QEvent::MouseButtonPress, stockPoint);
    mouse(QEvent::MouseButtonRelease, stockPoint);
    EXPECT_EQ(pileText(*ctx, kStock, 0), "2C* 3D*");
    EXPECT_EQ(ctx->trans->GetTransID(), 3);
}

TEST_F(TableViewTest, TopmostCardIsTheOneUnderTheMouse)
{
    lay(*ctx, {{"KS* QH* JC"}});
    const cCard &jack = ctx->cards[size_t(idOf(*ctx, "JC"))];
    const QPointF onJack = view->toWidget(jack.Left + 30, jack.Top + 30);
    EXPECT_EQ(view->cardAt(onJack), idOf(*ctx, "JC"));
    const cCard &king = ctx->cards[size_t(idOf(*ctx, "KS"))];
    EXPECT_EQ(view->cardAt(view->toWidget(king.Left + 30, king.Top + 30)), idOf(*ctx, "KS"));
}

TEST_F(TableViewTest, NarrowWindowKeepsTheTableCentred)
{
    ctx->data.setIntSetting(IntKey::FitTable, 0); // the table of fixed size
    window->resize(600, 500);
    view->ArrangeTable();
    EXPECT_LT(view->backLeft(), 0);
    const double centre = view->backLeft() + ui::kBackWidth / 30.0;
    EXPECT_NEAR(centre, view->width() / 2.0 - 20.0 / 15.0, 1.0);
    window->showMinimized();
    window->showNormal();
    EXPECT_NEAR(view->backLeft() + ui::kBackWidth / 30.0, view->width() / 2.0 - 20.0 / 15.0, 1.0);
}

TEST(Sprites, RedrawOnlyOnRealChanges)
{
    QPixmap back(71, 96), face(71, 96);
    back.fill(Qt::blue);
    face.fill(Qt::white);
    ui::VelCard sprite;
    sprite.DeckPic(back);
    sprite.MainPic(face);
    sprite.MainPic(QPixmap()); // a null picture changes nothing
    cCard card;
    card.FaceMode = 0;
    EXPECT_EQ(sprite.picture(card).toImage().pixelColor(5, 5), QColor(Qt::white));
    const int refreshes = sprite.refreshes;
    sprite.picture(card);
    EXPECT_EQ(sprite.refreshes, refreshes);
    card.Selected = true;
    EXPECT_EQ(sprite.picture(card).toImage().pixelColor(5, 5), QColor(Qt::black)); // inverted
    card.FaceMode = 1;
    card.Selected = false;
    EXPECT_EQ(sprite.picture(card).toImage().pixelColor(5, 5), QColor(Qt::blue));
    const int faceDown = sprite.refreshes;
    card.Selected = true; // a face-down card never shows a selection
    EXPECT_EQ(sprite.picture(card).toImage().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(sprite.refreshes, faceDown);
}

TEST_F(TableViewTest, AFixedDealWonWithTheMouseOpensTheFinishOnce)
{
    ui::wireDialogs(*window);
    ui::FinishWinHandler *finish = closeFinishAtOnce();
    ctx->data.SetAutoplay(1);
    ctx->animate = false;
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(kWinningNumber));

    for (const QString &text : winningActions())
        ASSERT_TRUE(playByMouse(text)) << text.toStdString();
    QCoreApplication::processEvents(); // the dialog opens from the event loop
    EXPECT_EQ(finish->opened(), 1);
    EXPECT_FALSE(ctx->GameRunning());
    // The set-up's game was given up for this one; then the one win.
    ctx->scores.OpenAllScore();
    ASSERT_EQ(ctx->scores.ScoreTop(), 2);
    EXPECT_EQ(ctx->scores.GetScoreRec(1).Won, 0);
    EXPECT_EQ(ctx->scores.GetScoreRec(2).Won, 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(2).GName, "Klondike");
    ctx->scores.CloseScore();
}
