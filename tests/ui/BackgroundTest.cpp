// Colour and picture backgrounds as they land on a surface: the bands, the
// tile count, seamless tiles and the fallback for indices that name nothing.
#include "UiTestSupport.h"

#include "settings/cData.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/Background.h"
#include "ui/appearance/BackgroundTiles.h"
#include "ui/appearance/Colors.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace cardova;
using namespace cardova::ui;
using cardova::test::pixelAt;

namespace {
const QColor kDarkGreen(0, 100, 0);

class BackgroundTest : public ::testing::Test {
protected:
    cardova::test::TempSettings settings;
    Appearance look{settings.data(), 1.0};
};
} // namespace

TEST_F(BackgroundTest, DarkGreenWithFadeRunsFromGreenAtTheTopToBlackAtTheBottom)
{
    const QPixmap bg = look.background(1007, QSize(200, 512), 1, 128);
    EXPECT_EQ(pixelAt(bg, 10, 0), kDarkGreen);
    EXPECT_EQ(pixelAt(bg, 199, 1), kDarkGreen);
    EXPECT_EQ(pixelAt(bg, 10, 511), QColor(Qt::black));
    EXPECT_LT(pixelAt(bg, 10, 300).green(), pixelAt(bg, 10, 200).green());
}

TEST_F(BackgroundTest, EveryBandIsAFullWidthStripOfOneTwoHundredFiftySixth)
{
    const QPixmap bg = look.background(1021, QSize(64, 512), 1, 128);
    for (int band = 0; band < kGradientBands; band += 17) {
        const Rgb c = gradientBand(GetCol(1021)->colour, 1, band);
        const QColor expected(c.r, c.g, c.b);
        EXPECT_EQ(pixelAt(bg, 0, 2 * band), expected) << band;
        EXPECT_EQ(pixelAt(bg, 63, 2 * band + 1), expected) << band;
    }
}

TEST_F(BackgroundTest, WithoutFadeTheSurfaceIsPlain)
{
    const QPixmap bg = look.background(1007, QSize(120, 300), 0, 128);
    EXPECT_EQ(pixelAt(bg, 0, 0), kDarkGreen);
    EXPECT_EQ(pixelAt(bg, 60, 150), kDarkGreen);
    EXPECT_EQ(pixelAt(bg, 119, 299), kDarkGreen);
}

TEST_F(BackgroundTest, CustomColourIsPaintedFromItsValue)
{
    EXPECT_EQ(pixelAt(look.background(kCustomColorIndex, QSize(50, 256), 1, 128), 5, 0), QColor(128, 0, 0));
    EXPECT_EQ(pixelAt(look.background(kCustomColorIndex, QSize(50, 256), 0, 0x4080C0), 5, 255),
              QColor(0xC0, 0x80, 0x40));
}

TEST_F(BackgroundTest, SetBGPaintsTheStoredChoiceOnADevice)
{
    QPixmap surface(QSize(160, 256));
    look.SetBG(1001, surface, 1, 128);
    EXPECT_EQ(pixelAt(surface, 80, 0), QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(surface, 80, 255), QColor(Qt::black));

    const Appearance sharp(settings.data(), 2.0);
    QPixmap hiDpi(QSize(320, 512));
    hiDpi.setDevicePixelRatio(2.0);
    sharp.SetBG(1001, hiDpi, 0, 128);
    EXPECT_EQ(pixelAt(hiDpi, 319, 511), QColor(0, 0, 255)) << "the whole device is covered";
}

TEST_F(BackgroundTest, IndicesThatNameNothingPaintTheDefaultDarkGreen)
{
    for (int ind : {-5, 0, 6, 999, 1026, 32767}) {
        const QPixmap bg = look.background(ind, QSize(40, 256), 0, 128);
        EXPECT_EQ(pixelAt(bg, 20, 100), kDarkGreen) << ind;
    }
}

TEST(TileCount, CountsEveryPositionUpToAndIncludingTheSurfaceSize)
{
    EXPECT_EQ(tileDrawCount(100, 640), 7);
    EXPECT_EQ(tileDrawCount(100, 480), 5);
    EXPECT_EQ(tileDrawCount(100, 600), 7);
    EXPECT_EQ(tileDrawCount(100, 99), 1);
    EXPECT_EQ(tileDrawCount(0, 640), 0);
}

TEST(TilePicture, DrawsAHundredPixelTileSevenTimesFiveOverSixFortyByFourEighty)
{
    QPixmap tile(100, 100);
    tile.fill(Qt::white);
    QPainter(&tile).fillRect(0, 0, 1, 1, Qt::red); // marks each copy's corner
    QImage surface(640, 480, QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        QPainter p(&surface);
        TilePicture(p, surface.rect(), tile);
    }
    int corners = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            corners += surface.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_EQ(corners, 7 * 5);
    EXPECT_EQ(surface.pixelColor(639, 479), QColor(Qt::white)) << "no uncovered edge";
}

TEST(BackgroundTiles, HaveTheIdsOfTheirGroupsAndSizesWithinRange)
{
    const QList<int> expected = {1,  2,  3,  4,  5,  11, 12, 13, 21, 22, 23, 24, 25, 31, 32, 33, 34,
                                 41, 42, 43, 51, 52, 53, 54, 55, 61, 62, 63, 64, 65, 71, 72, 73};
    EXPECT_EQ(tileIds(), expected);
    for (int id : expected) {
        const QSize s = tileSize(id);
        EXPECT_GE(s.width(), 80) << id;
        EXPECT_LE(s.width(), 200) << id;
        EXPECT_GE(s.height(), 80) << id;
        EXPECT_LE(s.height(), 140) << id;
    }
    EXPECT_FALSE(isTileId(6));
    EXPECT_TRUE(renderTile(74, 1.0).isNull());
}

TEST(BackgroundTiles, JoinWithoutSeams)
{
    // Across the edge where one copy meets the next, neighbouring pixels may
    // differ no more than neighbours inside the tile typically do.
    for (int id : tileIds()) {
        const QImage tile = renderTile(id, 1.0);
        ASSERT_EQ(tile.size(), tileSize(id));
        const int w = tile.width(), h = tile.height();
        double insideX = 0, insideY = 0;
        for (int x = 1; x < w; ++x)
            insideX += cardova::test::columnDifference(tile, x - 1, x);
        for (int y = 1; y < h; ++y)
            insideY += cardova::test::rowDifference(tile, y - 1, y);
        insideX /= (w - 1);
        insideY /= (h - 1);
        EXPECT_LE(cardova::test::columnDifference(tile, w - 1, 0), 2.5 * insideX + 4) << "tile " << id;
        EXPECT_LE(cardova::test::rowDifference(tile, h - 1, 0), 2.5 * insideY + 4) << "tile " << id;
    }
}

TEST(BackgroundTiles, AreDrawnAtTheDevicePixelRatio)
{
    const QImage sharp = renderTile(71, 2.0);
    EXPECT_EQ(sharp.size(), tileSize(71) * 2);
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
}

TEST(TilePicture, PaintsOnlyWhatIsAskedForAndNothingPastTheArea)
{
    QPixmap tile(64, 64);
    tile.fill(Qt::white);
    QPainter(&tile).fillRect(0, 0, 1, 1, Qt::red);
    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::black);
    const QRect area(10, 10, 200, 150);
    {
        QPainter p(&surface);
        TilePicture(p, area, tile, QRect(70, 70, 100, 20));
    }
    EXPECT_EQ(surface.pixelColor(74, 74), QColor(Qt::red)) << "the copy at (64, 64) of the area, where it lies";
    EXPECT_EQ(surface.pixelColor(100, 80), QColor(Qt::white));
    EXPECT_EQ(surface.pixelColor(69, 80), QColor(Qt::black)) << "left of what was asked for";
    EXPECT_EQ(surface.pixelColor(100, 90), QColor(Qt::black)) << "below it";

    surface.fill(Qt::black);
    {
        QPainter p(&surface);
        TilePicture(p, area, tile);
    }
    EXPECT_EQ(surface.pixelColor(209, 159), QColor(Qt::white));
    EXPECT_EQ(surface.pixelColor(210, 100), QColor(Qt::black)) << "the last copies stop at the area's edge";
    EXPECT_EQ(surface.pixelColor(100, 160), QColor(Qt::black));
}

TEST(PaintGradient, PaintsOnlyTheBandsAskedFor)
{
    QImage surface(100, 256, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        QPainter p(&surface);
        PaintGradient(p, surface.rect(), 0x008000, 1, QRect(0, 100, 50, 10));
    }
    EXPECT_EQ(surface.pixelColor(10, 99), QColor(Qt::white));
    EXPECT_EQ(surface.pixelColor(60, 105), QColor(Qt::white));
    const Rgb band = gradientBand(0x008000, 1, 105);
    EXPECT_EQ(surface.pixelColor(10, 105), QColor(band.r, band.g, band.b));
}
