// The table zoomed to fit the window: its place and size for several
// windows and pixel ratios, the mouse at the zoom, pictures drawn for the
// size they are shown at, and the fixed-size table when fitting is off.
#include "TableFixture.h"

#include "rules/TableFit.h"
#include "ui/appearance/CardFaces.h"

#include <QApplication>
#include <QDir>
#include <QImage>

using namespace cardova;
using namespace cardova::test;

namespace {
// Pile 6 of Klondike at its tallest: six cards face down, a run of thirteen.
const QString kTallPile = QStringLiteral("KS* QS* JS* TS* 9S* 8S* KH QC JH TC 9H 8C 7H 6C 5H 4C 3H 2C AH");

class TableZoomTest : public TableFixture {
protected:
    void resizeTable(int w, int h)
    {
        window->resize(w, h);
        QApplication::processEvents();
        view->ArrangeTable();
    }
    // The widget rectangle of a table box.
    QRectF onScreen(const TableBox &box) const
    {
        return QRectF(view->toWidget(box.left, box.top), view->toWidget(box.right, box.bottom));
    }
    QImage shown() { return view->grab().toImage(); }
};
} // namespace

TEST_F(TableZoomTest, TableFitsCentredForEveryWindowSize)
{
    const double dpr = view->devicePixelRatioF();
    const QSize sizes[] = {{800, 600}, {1920, 1080}, {640, 480}, {1100, 800}, {2560, 900}, {700, 1400}};
    for (const QSize &size : sizes) {
        resizeTable(size.width(), size.height());
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height() << " zoom " << view->zoom());
        EXPECT_GE(view->zoom(), kMinZoom);
        EXPECT_LE(view->zoom(), kMaxZoom);
        // Whole device pixels across a card keep its edges sharp.
        const double across = ui::kCardWidthPx * view->zoom() * dpr;
        EXPECT_NEAR(across, std::round(across), 1e-6);
        const QRectF table = onScreen(tableBox(ctx->games, kMinOpenFan));
        const QRectF widget(view->rect());
        EXPECT_TRUE(widget.adjusted(-0.5, -0.5, 0.5, 0.5).contains(table));
        EXPECT_NEAR(table.left(), widget.right() - table.right(), 1.0);
        EXPECT_NEAR(table.top(), widget.bottom() - table.bottom(), 1.0);
        // Fills the window along one side, up to the rounding of the zoom.
        const double slack = std::min(widget.width() - table.width(), widget.height() - table.height());
        EXPECT_LT(slack, widget.width() / across + 1.0);
    }
}

TEST_F(TableZoomTest, CardsGrowWithTheWindowWithinTheZoomRange)
{
    resizeTable(800, 600);
    const double small = view->zoom();
    resizeTable(1920, 1080);
    const double large = view->zoom();
    EXPECT_GT(large, small * 1.5);
    resizeTable(200, 150); // the widget's own minimum keeps it usable
    EXPECT_GE(view->zoom(), kMinZoom);
}

TEST_F(TableZoomTest, DropAtAZoomedPlaceLandsOnThePileShownThere)
{
    resizeTable(1920, 1080);
    ASSERT_GT(view->zoom(), 1.5);
    lay(*ctx, {{"9C 8H", "9S", "TD"}});
    // The screen shows the Nine of Spades where the table has it: white
    // card (right of its pips), not the green table.
    const cCard &nine = ctx->cards[size_t(idOf(*ctx, "9S"))];
    const QPointF onNine = view->toWidget(nine.Left + 64 * ui::kTwipsPerPixel, nine.Top + 33 * ui::kTwipsPerPixel);
    const QColor there = shown().pixelColor((onNine * view->devicePixelRatioF()).toPoint());
    EXPECT_GT(there.lightness(), 200) << "the Nine is not drawn where the table has it";
    dragCard(idOf(*ctx, "8H"), kTableau, 1, 1);
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "9S 8H");
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "9C");
    // Dropped on the Ten of Diamonds, red on red, it goes back.
    dragCard(idOf(*ctx, "8H"), kTableau, 2, 1);
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "9S 8H");
}

TEST_F(TableZoomTest, PicturesAreDrawnForTheirShownSize)
{
    resizeTable(1920, 1080);
    lay(*ctx, {{"9C 8H", "9S", "TD"}});
    shown(); // paints, fetching pictures
    const double dpr = view->devicePixelRatioF();
    const cCard &eight = ctx->cards[size_t(idOf(*ctx, "8H"))];
    const QPixmap &face = view->PicCards[size_t(idOf(*ctx, "8H"))].picture(eight);
    const QSizeF onScreen = QSizeF(kCardWidth, kCardHeight) * (view->zoom() / ui::kTwipsPerPixel) * dpr;
    EXPECT_NEAR(face.width(), onScreen.width(), 1.0);
    EXPECT_NEAR(face.height(), onScreen.height(), 1.0);
    EXPECT_DOUBLE_EQ(face.devicePixelRatio(), dpr);
}

TEST_F(TableZoomTest, AfterAResizeTheTableLooksAsIfDrawnAfresh)
{
    lay(*ctx, {{"9C 8H", "9S", "TD", "", "", "", kTallPile}});
    resizeTable(900, 650);
    shown();
    resizeTable(1700, 1000);
    const QImage resized = shown();

    // A second table over the same game, its pictures never drawn before.
    ui::Appearance freshArt(ctx->data, view->devicePixelRatioF());
    ui::TableView fresh(*ctx, freshArt);
    fresh.setAttribute(Qt::WA_DontShowOnScreen);
    fresh.resize(view->size());
    fresh.CreateSprites();
    fresh.show();
    fresh.ArrangeTable();
    EXPECT_EQ(fresh.zoom(), view->zoom());
    EXPECT_TRUE(resized == fresh.grab().toImage());
}

TEST_F(TableZoomTest, ATallPileClosesUpInAShortWindow)
{
    lay(*ctx, {{"", "", "", "", "", "", kTallPile}});
    resizeTable(2400, 700);
    const int16_t top = topId(*ctx, kTableau, 6);
    const cCard &ace = ctx->cards[size_t(top)];
    EXPECT_LE(view->toWidget(ace.Left, ace.Top + kCardHeight).y(), view->height());
    const int fan = ace.Top - ctx->cards[size_t(ctx->table.GetPicID(kTableau, 6, 17))].Top;
    EXPECT_LT(fan, ctx->games.area(kTableau).PosWidth);
    EXPECT_GE(fan, kMinOpenFan);
    resizeTable(1100, 1400); // room again: the natural spacing is back
    EXPECT_EQ(ace.Top - ctx->cards[size_t(ctx->table.GetPicID(kTableau, 6, 17))].Top,
              ctx->games.area(kTableau).PosWidth);
}

TEST_F(TableZoomTest, SettingOffGivesTheFixedTable)
{
    ctx->data.setIntSetting(IntKey::FitTable, 0);
    resizeTable(1920, 1080);
    EXPECT_EQ(view->zoom(), 1.0);
    const QPointF corner = view->toWidget(ui::kBackWidth, ui::kBackHeight);
    EXPECT_DOUBLE_EQ(corner.x() - view->backLeft(), ui::kBackWidth / double(ui::kTwipsPerPixel));
    EXPECT_DOUBLE_EQ(corner.y(), ui::kBackHeight / double(ui::kTwipsPerPixel));
    EXPECT_EQ(ctx->games.tableauBottom(), 0);
    // Beyond the fixed background the window shows its dark surround.
    const QImage image = shown();
    const int beyond = int((view->backLeft() + ui::kBackWidth / double(ui::kTwipsPerPixel) + 20) *
                           view->devicePixelRatioF());
    EXPECT_EQ(image.pixelColor(beyond, 10), QColor(16, 20, 16));
    ctx->data.setIntSetting(IntKey::FitTable, 1);
    view->ArrangeTable();
    EXPECT_GT(view->zoom(), 1.5);
}

TEST_F(TableZoomTest, FullScreenMenuItemTogglesTheWindowState)
{
    QAction *full = item("mGame", 15);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    full->trigger();
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
    refresh();
    EXPECT_TRUE(full->isChecked());
    full->trigger();
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
    refresh();
    EXPECT_FALSE(full->isChecked());
}

TEST_F(TableZoomTest, Screenshots)
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    const QString ratio = view->devicePixelRatioF() > 1 ? QStringLiteral("-dpr%1").arg(view->devicePixelRatioF()) : QString();
    for (const QSize &size : {QSize(800, 600), QSize(1920, 1080)}) {
        window->resize(size);
        QApplication::processEvents();
        const QString name = QStringLiteral(SCREENSHOT_DIR "/table-%1x%2%3.png").arg(size.width()).arg(size.height()).arg(ratio);
        ASSERT_TRUE(window->grab().save(name));
    }
    // A pile too tall for a short window, fanned closer.
    lay(*ctx, {{"9C 8H", "9S", "TD", "", "", "", kTallPile}});
    window->resize(1400, 620);
    QApplication::processEvents();
    ASSERT_TRUE(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/table-tall-pile%1.png").arg(ratio)));
}
