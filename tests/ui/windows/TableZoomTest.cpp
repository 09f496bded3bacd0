// The table zoomed to fit the window: its place and size for several
// windows and pixel ratios, the mouse at the zoom, pictures drawn for the
// size they are shown at, and the fixed-size table when fitting is off.
#include "TableFixture.h"

#include "rules/TableFit.h"
#include "ui/appearance/CardFaces.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <array>

using namespace cardova;
using namespace cardova::test;

namespace {
// Pile 6 of Klondike at its tallest: six cards face down, a run of thirteen.
const QString kTallPile = QStringLiteral("KS* QS* JS* TS* 9S* 8S* KH QC JH TC 9H 8C 7H 6C 5H 4C 3H 2C AH");

// A fresh picture of a card: drawn at four times its design size and
// scaled down to the size shown.
QImage freshAt(const QImage &large, const QSize &size)
{
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
}

// Mean difference (0..255 per channel) between the card on screen at
// `where` (device pixels) and its fresh picture, over the card's opaque
// pixels; the best of the placements up to a pixel either way.
double differenceFromFresh(const QImage &shown, const QRect &where, const QImage &large)
{
    const QImage fresh = freshAt(large, where.size());
    double best = 255;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            double sum = 0;
            long count = 0;
            for (int y = 0; y < fresh.height(); ++y) {
                for (int x = 0; x < fresh.width(); ++x) {
                    const QRgb want = fresh.pixel(x, y);
                    if (qAlpha(want) < 250)
                        continue; // a rounded corner: the table shows through
                    const QPoint at = where.topLeft() + QPoint(x + dx, y + dy);
                    const QRgb got = shown.valid(at) ? shown.pixel(at) : qRgb(0, 0, 0);
                    sum += (std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                            std::abs(qBlue(got) - qBlue(want))) / 3.0;
                    ++count;
                }
            }
            best = std::min(best, count > 0 ? sum / double(count) : 255.0);
        }
    }
    return best;
}

// The card's border: along each side, the band three design pixels deep
// (the frame and the white margin inside it), its middle part, averaged.
// Returns the largest difference (0..255 per channel) of a side's average
// colour between the screen and the fresh picture: a card cut short shows
// its inside where its right or bottom border should be.
double borderDifference(const QImage &shown, const QRect &where, const QImage &large)
{
    const QImage fresh = freshAt(large, where.size());
    const int w = fresh.width(), h = fresh.height();
    // At least two pixels: a one-pixel band of a card under 36 pixels wide
    // is all edge blending, which a scaled-down picture blends otherwise.
    const int band = std::max(2, qRound(3.0 * w / ui::kCardWidthPx));
    const QRect sides[] = {{w / 10, 0, w * 8 / 10, band}, {w / 10, h - band, w * 8 / 10, band},
                           {0, h / 10, band, h * 8 / 10}, {w - band, h / 10, band, h * 8 / 10}};
    const auto mean = [](const QImage &image, const QRect &r, QPoint offset) {
        std::array<double, 3> sum{};
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QPoint at(x + offset.x(), y + offset.y());
                const QRgb c = image.valid(at) ? image.pixel(at) : qRgb(0, 0, 0);
                sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c);
            }
        const double n = double(r.width()) * r.height();
        return std::array<double, 3>{sum[0] / n, sum[1] / n, sum[2] / n};
    };
    double worst = 0;
    for (const QRect &side : sides) {
        const auto want = mean(fresh, side, {});
        double best = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const auto got = mean(shown, side, where.topLeft() + QPoint(dx, dy));
                best = std::min(best, std::max({std::abs(got[0] - want[0]), std::abs(got[1] - want[1]),
                                                std::abs(got[2] - want[2])}));
            }
        worst = std::max(worst, best);
    }
    return worst;
}

// Cards drawn whole match their fresh pictures this closely; a card cut or
// drawn at another size is far off. (The fine patterns of a back differ
// from a scaled-down one by more: a back is compared along its border.)
constexpr double kFreshTolerance = 12;
constexpr double kBorderTolerance = 18;

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
    // Device pixels a card covers on screen.
    QRect shownRect(const cCard &c) const
    {
        const double dpr = view->devicePixelRatioF();
        const QPointF topLeft = view->toWidget(c.Left, c.Top) * dpr;
        const QPointF bottomRight = view->toWidget(c.Left + kCardWidth, c.Top + kCardHeight) * dpr;
        return {topLeft.toPoint(), QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1)};
    }
    // Checks every card that no other card covers in `image` (a grab of the
    // table) against a fresh picture of it; returns how many it checked.
    int expectWholeCards(const QImage &image)
    {
        const QImage screen = image.convertToFormat(QImage::Format_RGB32);
        ui::Appearance freshArt(ctx->data, 1.0);
        int checked = 0;
        for (const cCard &c : ctx->cards) {
            // Cards that wait out of play lie off the table.
            if (!c.Visible || covered(c) || !screen.rect().contains(shownRect(c)))
                continue;
            const bool up = c.FaceMode == kFaceUp;
            const QImage large = (up ? freshArt.MainPic(c.FacePicture(), 4.0) : freshArt.DeckPic(4.0)).toImage();
            SCOPED_TRACE(testing::Message() << "card " << c.FacePicture() << (up ? " up" : " down") << " at zoom "
                                            << view->zoom());
            EXPECT_LT(borderDifference(screen, shownRect(c), large), kBorderTolerance);
            if (up)
                EXPECT_LT(differenceFromFresh(screen, shownRect(c), large), kFreshTolerance);
            ++checked;
        }
        return checked;
    }
    // Starts a designed game from its record (the eight numbers of a game file).
    void startDesigned(const QString &name, const QByteArray &record)
    {
        writeFile(name + QStringLiteral(".gam"), record + "\r\n");
        ctx->custom.Init();
        window->startGame(name, GameNumber::fromNumber(1));
        ASSERT_EQ(ctx->data.CurGName(), name);
    }
    // The zoom at which the game's piles, stock and foundations, with their
    // margins, fill the table's width.
    double zoomByWidth() const
    {
        return view->width() * double(ui::kTwipsPerPixel) / tableBox(ctx->games, kMinOpenFan).width();
    }
    bool covered(const cCard &card) const
    {
        const QRectF r(card.Left, card.Top, kCardWidth, kCardHeight);
        for (const cCard &c : ctx->cards)
            if (&c != &card && c.Visible && c.Z > card.Z && r.intersects(QRectF(c.Left, c.Top, kCardWidth, kCardHeight)))
                return true;
        return false;
    }
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

TEST_F(TableZoomTest, PicturesAreDrawnForTheirShownSizeAtEveryZoom)
{
    lay(*ctx, {{"9C 8H", "9S", "TD", "KS* QH", "", "AC", "2D"}, "4S* 5S*", "6H 7C"});
    const double dpr = view->devicePixelRatioF();
    const int16_t eightId = idOf(*ctx, "8H");
    const cCard &eight = ctx->cards[size_t(eightId)];
    double smallest = kMaxZoom, largest = kMinZoom;
    // From the smallest window (the widget's own minimum) to a very large one.
    const QSize sizes[] = {{330, 300}, {480, 400}, {640, 480}, {1032, 766}, {1920, 1080}, {2900, 1800}};
    for (const QSize &size : sizes) {
        resizeTable(size.width(), size.height());
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height() << " zoom " << view->zoom());
        smallest = std::min(smallest, view->zoom());
        largest = std::max(largest, view->zoom());
        const QImage image = shown(); // paints, fetching pictures
        const QPixmap &face = view->PicCards[size_t(eightId)].picture(eight);
        const QSizeF onScreen = QSizeF(kCardWidth, kCardHeight) * (view->zoom() / ui::kTwipsPerPixel) * dpr;
        EXPECT_NEAR(face.width(), onScreen.width(), 1.0);
        EXPECT_NEAR(face.height(), onScreen.height(), 1.0);
        EXPECT_DOUBLE_EQ(face.devicePixelRatio(), dpr);
        // Whole cards, border and corners, faces and backs alike.
        EXPECT_GE(expectWholeCards(image), 8);
    }
    EXPECT_LE(smallest, 0.55);
    EXPECT_GE(largest, 3.9);
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

// The room a window leaves the piles is the window's own: the game's slots
// keep their spacing, so nothing else that reads the game (another table of
// it, a deal previewed for the solver) is squeezed by this window. A card
// dragged across the table moves no card from its pile, so the mouse's
// steps do not lay the table out again; letting go does.
TEST_F(TableZoomTest, TheSqueezeStaysInTheWindowAndADragDoesNotRearrangeIt)
{
    lay(*ctx, {{"", "", "", "", "", "", kTallPile}});
    resizeTable(2400, 700);
    const int natural = ctx->games.area(kTableau).PosWidth;
    const auto shownFan = [this] {
        return ctx->cards[size_t(ctx->table.GetPicID(kTableau, 6, 18))].Top -
               ctx->cards[size_t(ctx->table.GetPicID(kTableau, 6, 17))].Top;
    };
    const int squeezed = shownFan();
    EXPECT_LT(squeezed, natural);

    const int arranged = view->arrangements;
    pressAndDrag(ctx->table.GetPicID(kTableau, 6, 17), kTableau, 0, 0, 20);
    ASSERT_TRUE(ctx->input.Dragging);
    EXPECT_EQ(view->arrangements, arranged);
    EXPECT_EQ(ctx->games.GetCordY(kTableau, 6, 18) - ctx->games.GetCordY(kTableau, 6, 17), natural);
    mouse(QEvent::MouseButtonRelease, onSlot(kTableau, 0, 0));
    EXPECT_GT(view->arrangements, arranged);
    // The refused run went back into the squeezed pile.
    EXPECT_EQ(shownFan(), squeezed);
    EXPECT_EQ(tableProblems(*ctx), QString());
}

TEST_F(TableZoomTest, SettingOffGivesTheFixedTable)
{
    ctx->data.setIntSetting(IntKey::FitTable, 0);
    resizeTable(1920, 1080);
    EXPECT_EQ(view->zoom(), 1.0);
    const QPointF corner = view->toWidget(ui::kBackWidth, ui::kBackHeight);
    EXPECT_DOUBLE_EQ(corner.x() - view->backLeft(), ui::kBackWidth / double(ui::kTwipsPerPixel));
    EXPECT_DOUBLE_EQ(corner.y(), ui::kBackHeight / double(ui::kTwipsPerPixel));
    EXPECT_EQ(view->layout().tableauBottom(), 0);
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

TEST_F(TableZoomTest, CardsAreAsLargeAsTheWidthAllowsInEveryGame)
{
    // Designed games: nine piles with "Any Card" in spaces, the "Any Card"
    // building order, up or down with wrapping, four piles.
    const std::pair<const char *, QByteArray> designed[] = {{"Nine Any", "0,0,0,4,13,9,1,1"},
                                                            {"Anything Goes", "0,0,0,6,13,9,0,1"},
                                                            {"Seesaw", "2,13,4,8,10,9,1,0"},
                                                            {"Narrow", "0,0,0,4,13,4,1,1"}};
    std::vector<QString> games = {QStringLiteral("Klondike"), QStringLiteral("Klondike Plus"), QStringLiteral("Lawn")};
    for (const auto &[name, record] : designed) {
        writeFile(QString::fromLatin1(name) + QStringLiteral(".gam"), record + "\r\n");
        games.push_back(QString::fromLatin1(name));
    }
    ctx->custom.Init();
    for (const QString &game : games) {
        window->startGame(game, GameNumber::fromNumber(1));
        ASSERT_EQ(ctx->data.CurGName(), game);
        for (const QSize &size : {QSize(800, 600), QSize(1920, 1080), QSize(1032, 766)}) {
            resizeTable(size.width(), size.height());
            SCOPED_TRACE(testing::Message() << game.toStdString() << " " << size.width() << " x " << size.height()
                                            << " zoom " << view->zoom() << ", by width " << zoomByWidth());
            EXPECT_GE(view->zoom(), 0.9 * zoomByWidth());
            EXPECT_LE(view->zoom(), zoomByWidth());
            EXPECT_GE(view->zoom(), 1.0); // never below the design size in these windows
        }
    }
}

TEST_F(TableZoomTest, APileGrownPastTheWindowShrinksTheCardsUntilItFits)
{
    startDesigned(QStringLiteral("Nine Any"), "0,0,0,4,13,9,1,1");
    resizeTable(1920, 1080);
    const double roomy = view->zoom();
    // Thirty cards on one pile: more than the window holds even fanned
    // closest at this size.
    QString pile;
    for (const char *card : {"KS", "QS", "JS", "TS", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS", "KH", "QH",
                             "JH", "TH", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH", "KD", "QD", "JD", "TD"})
        pile += QString::fromLatin1(card) + QLatin1Char(' ');
    lay(*ctx, {{pile.trimmed(), "9D"}});
    view->tableChanged();
    EXPECT_LT(view->zoom(), roomy);
    const cCard &ten = ctx->cards[size_t(idOf(*ctx, "TD"))];
    EXPECT_LE(view->toWidget(ten.Left, ten.Top + kCardHeight).y(), view->height());
    // The pile goes: the cards grow back.
    lay(*ctx, {{"KS", "9D"}});
    view->tableChanged();
    EXPECT_EQ(view->zoom(), roomy);
}

TEST_F(TableZoomTest, Screenshots)
{
    // Each picture is checked where it is taken: the window's grab holds the
    // table as the table shows it, and every uncovered card on it is whole.
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    const QString ratio = view->devicePixelRatioF() > 1 ? QStringLiteral("-dpr%1").arg(view->devicePixelRatioF()) : QString();
    const auto take = [&](const QString &name) {
        const QImage image = window->grab().toImage();
        const QString file = QStringLiteral(SCREENSHOT_DIR "/%1%2.png").arg(name, ratio);
        ASSERT_TRUE(image.save(file));
        const QPoint tableAt = view->mapTo(window.get(), QPoint(0, 0)) * view->devicePixelRatioF();
        const QImage table = image.copy(QRect(tableAt, view->size() * view->devicePixelRatioF()));
        EXPECT_TRUE(table.convertToFormat(QImage::Format_RGB32) == shown().convertToFormat(QImage::Format_RGB32));
        EXPECT_GE(expectWholeCards(table), 5) << name.toStdString();
    };
    for (const QSize &size : {QSize(640, 480), QSize(800, 600), QSize(1920, 1080)}) {
        resizeTable(size.width(), size.height());
        take(QStringLiteral("table-%1x%2").arg(size.width()).arg(size.height()));
    }
    // A pile too tall for a short window, fanned closer.
    lay(*ctx, {{"9C 8H", "9S", "TD", "", "", "", kTallPile}});
    resizeTable(1400, 620);
    take(QStringLiteral("table-tall-pile"));
    // A designed game of nine piles with "Any Card" in spaces.
    startDesigned(QStringLiteral("Nine Any"), "0,0,0,4,13,9,1,1");
    for (const QSize &size : {QSize(640, 480), QSize(1032, 766), QSize(1920, 1080)}) {
        resizeTable(size.width(), size.height());
        take(QStringLiteral("table-designed-%1x%2").arg(size.width()).arg(size.height()));
    }
}
