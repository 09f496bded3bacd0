#include "TableFixture.h"

#include "WinningDeal.h"
#include "cli/PlayActions.h"
#include "session/cTrans.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/windows/AppWiring.h"
#include "session/Commands.h"
#include "ui/appearance/CardFaces.h"
#include "ui/windows/TableView.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>

using namespace cardova;
using namespace cardova::test;

namespace {
using TableViewTest = TableFixture;

// Shows every animation step on the table, as the table does, and keeps
// what it showed: the picture and the cards' places and stacking order.
class FrameRecorder : public TableSurface {
public:
    FrameRecorder(ui::TableView &view, const CardSprites &cards) : view_(view), cards_(cards) {}
    void repaintNow() override
    {
        view_.repaintNow();
        frames.push_back({view_.grab().toImage().convertToFormat(QImage::Format_RGB32), cards_});
    }
    void letEventsRun() override { view_.letEventsRun(); }
    void tableChanged() override { view_.tableChanged(); }

    struct Frame {
        QImage image;
        CardSprites cards;
    };
    std::vector<Frame> frames;

private:
    ui::TableView &view_;
    const CardSprites &cards_;
};

// Pixels of a card's top-left index (rank and suit) that differ clearly
// between a frame and the card's own picture, at the card's place in the
// frame (device pixels); the best of the placements a pixel either way.
int indexMismatch(const QImage &frame, const QPointF &at, const QImage &picture)
{
    const double scale = picture.width() / double(ui::kCardWidthPx);
    // Inside the rounded corner and above the next card of a pile, even
    // fanned closest.
    const QRect index(QPoint(qRound(3 * scale), qRound(3 * scale)), QPoint(qRound(14 * scale), qRound(12 * scale)));
    int best = index.width() * index.height();
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            int differ = 0;
            for (int y = index.top(); y <= index.bottom(); ++y) {
                for (int x = index.left(); x <= index.right(); ++x) {
                    const QPoint shown = at.toPoint() + QPoint(x + dx, y + dy);
                    const QRgb a = frame.valid(shown) ? frame.pixel(shown) : 0, b = picture.pixel(x, y);
                    const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                            std::abs(qBlue(a) - qBlue(b))});
                    differ += d > 80 ? 1 : 0;
                }
            }
            best = std::min(best, differ);
        }
    }
    return best;
}
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

TEST_F(TableViewTest, AMovingRunIsDrawnInItsOrderInEveryFrame)
{
    lay(*ctx, {{"QC", "JH TC 9H"}});
    const int16_t run[] = {idOf(*ctx, "JH"), idOf(*ctx, "TC"), idOf(*ctx, "9H")};
    FrameRecorder recorder(*view, ctx->cards);
    ctx->setSurface(&recorder);
    const auto expectRunInOrder = [&](const char *what) {
        ASSERT_GE(recorder.frames.size(), 2u) << what;
        for (size_t f = 0; f < recorder.frames.size(); ++f) {
            const FrameRecorder::Frame &frame = recorder.frames[f];
            for (size_t k = 1; k < std::size(run); ++k) {
                SCOPED_TRACE(testing::Message() << what << ", frame " << f << ", card " << k << " of the run");
                const cCard &lower = frame.cards[size_t(run[k - 1])], &upper = frame.cards[size_t(run[k])];
                EXPECT_GT(upper.Z, lower.Z);
                // The card above shows its own corner, not the one below it.
                const QImage picture = view->PicCards[size_t(run[k])].picture(ctx->cards[size_t(run[k])]).toImage();
                const QPointF at = view->toWidget(upper.Left, upper.Top) * view->devicePixelRatioF();
                EXPECT_LE(indexMismatch(frame.image, at, picture), 4);
            }
        }
    };
    // Dropped a little off the Queen's pile: the run glides onto it.
    pressAndDrag(run[0], kTableau, 0, 1);
    mouse(QEvent::MouseMove, onSlot(kTableau, 0, 1) + QPointF(24, 18));
    mouse(QEvent::MouseButtonRelease, onSlot(kTableau, 0, 1) + QPointF(24, 18));
    ASSERT_EQ(pileText(*ctx, kTableau, 0), "QC JH TC 9H");
    expectRunInOrder("drop");
    // Taken back, it glides back the same way.
    recorder.frames.clear();
    ctx->data.setIntSetting(IntKey::UndoSpeed, 3);
    ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_EQ(pileText(*ctx, kTableau, 1), "JH TC 9H");
    expectRunInOrder("undo");
    ctx->setSurface(view);
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
