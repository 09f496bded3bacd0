// Card faces, backs and marks: sizes at each pixel ratio, transparent
// corners, suit colours, the fallback back and the inverted selected card.
#include "UiTestSupport.h"

#include "settings/cData.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/CardFaces.h"
#include "ui/appearance/DeckBacks.h"
#include "ui/appearance/PictureGroups.h"
#include "ui/appearance/PileMarks.h"
#include "ui/appearance/BackgroundTiles.h"

#include <QCryptographicHash>
#include <QSet>
#include <gtest/gtest.h>

using namespace cardova;
using namespace cardova::ui;
using cardova::test::pixelAt;

namespace {
QByteArray fingerprint(const QPixmap &p)
{
    const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

// Pixels clearly red (hearts, diamonds) in a picture.
int redPixels(const QPixmap &p)
{
    const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90;
        }
    return n;
}

class PicturesTest : public ::testing::Test {
protected:
    cardova::test::TempSettings settings;
    Appearance look{settings.data(), 1.0};
};

void expectCardShape(const QPixmap &p, qreal dpr, const char *what)
{
    ASSERT_FALSE(p.isNull()) << what;
    EXPECT_EQ(p.size(), QSize(qRound(71 * dpr), qRound(96 * dpr))) << what;
    EXPECT_DOUBLE_EQ(p.devicePixelRatio(), dpr) << what;
    const int w = p.width(), h = p.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(pixelAt(p, corner.x(), corner.y()).alpha(), 0) << what << " corner transparent";
    EXPECT_EQ(pixelAt(p, w / 2, 2).alpha(), 255) << what << " edge opaque";
}
} // namespace

TEST_F(PicturesTest, FacesAreCardSizedWithTransparentCornersAtEachPixelRatio)
{
    const Appearance sharp(settings.data(), 2.0);
    for (int k = 1; k <= 52; ++k) {
        expectCardShape(look.MainPic(k), 1.0, "face");
        expectCardShape(sharp.MainPic(k), 2.0, "sharp face");
    }
    EXPECT_TRUE(look.MainPic(0).isNull());
    EXPECT_TRUE(look.MainPic(53).isNull());
}

TEST_F(PicturesTest, EveryFaceIsDifferent)
{
    QSet<QByteArray> seen;
    for (int k = 1; k <= 52; ++k)
        seen.insert(fingerprint(look.MainPic(k)));
    EXPECT_EQ(seen.size(), 52);
}

TEST_F(PicturesTest, HeartsAndDiamondsAreRedSpadesAndClubsAreNot)
{
    for (int num : {0, 4, 9}) {
        EXPECT_GT(redPixels(look.MainPic(0 * 13 + num + 1)), 50) << "hearts " << num;
        EXPECT_EQ(redPixels(look.MainPic(1 * 13 + num + 1)), 0) << "spades " << num;
        EXPECT_GT(redPixels(look.MainPic(2 * 13 + num + 1)), 50) << "diamonds " << num;
        EXPECT_EQ(redPixels(look.MainPic(3 * 13 + num + 1)), 0) << "clubs " << num;
    }
}

TEST(PipLayout, HasOnePipPerRankInsideTheCard)
{
    for (int pips = 1; pips <= 10; ++pips) {
        const QList<QPointF> layout = pipLayout(pips);
        EXPECT_EQ(layout.size(), pips);
        QSet<QPair<int, int>> distinct;
        for (const QPointF &c : layout) {
            EXPECT_GT(c.x(), 14);
            EXPECT_LT(c.x(), kCardWidthPx - 14);
            EXPECT_GT(c.y(), 10);
            EXPECT_LT(c.y(), kCardHeightPx - 10);
            distinct.insert({qRound(c.x()), qRound(c.y())});
        }
        EXPECT_EQ(distinct.size(), pips) << "no two pips on one spot";
    }
}

TEST_F(PicturesTest, InvertedCardInvertsColoursAndKeepsTheCornersClear)
{
    const Appearance sharp(settings.data(), 2.0);
    const QPixmap face = sharp.MainPic(5);
    const QPixmap inverted = Appearance::invertedCard(face);
    EXPECT_EQ(inverted.size(), face.size());
    EXPECT_DOUBLE_EQ(inverted.devicePixelRatio(), 2.0);
    EXPECT_EQ(pixelAt(inverted, 0, 0).alpha(), 0);
    EXPECT_EQ(pixelAt(face, 70, 60), QColor(Qt::white)) << "a blank spot of the face";
    EXPECT_EQ(pixelAt(inverted, 70, 60), QColor(Qt::black));
    EXPECT_EQ(fingerprint(Appearance::invertedCard(inverted)), fingerprint(face));
    EXPECT_TRUE(Appearance::invertedCard(QPixmap()).isNull());
}

TEST_F(PicturesTest, BacksAreDistinctCardsUnderTheirIds)
{
    const QList<int> expected = {501, 502, 503, 511, 512, 521, 522, 523, 531, 532, 533, 541, 542, 543, 544, 545};
    EXPECT_EQ(deckIds(), expected);
    QSet<QByteArray> seen;
    for (int id : expected) {
        expectCardShape(look.GetPic(id), 1.0, "back");
        seen.insert(fingerprint(look.GetPic(id)));
    }
    EXPECT_EQ(seen.size(), expected.size());
    for (int id : {500, 504, 513, 534, 546})
        EXPECT_TRUE(look.GetPic(id).isNull()) << id;
}

TEST_F(PicturesTest, DeckPicFollowsDeckIndexAndFallsBackToTheDefault)
{
    EXPECT_EQ(fingerprint(look.DeckPic()), fingerprint(look.GetPic(531))) << "fresh settings";
    settings.data().setIntSetting(IntKey::DeckIndex, 542);
    EXPECT_EQ(fingerprint(look.DeckPic()), fingerprint(look.GetPic(542)));
    for (int16_t odd : {int16_t(0), int16_t(7), int16_t(600), int16_t(-531)}) {
        settings.data().setIntSetting(IntKey::DeckIndex, odd);
        EXPECT_EQ(fingerprint(look.DeckPic()), fingerprint(look.GetPic(531))) << odd;
    }
}

TEST_F(PicturesTest, ApplyDeckBackGivesEverySpriteTheBack)
{
    struct Sprite {
        QPixmap back;
        void DeckPic(const QPixmap &p) { back = p; }
    };
    settings.data().setIntSetting(IntKey::DeckIndex, 503);
    std::vector<Sprite> sprites(52);
    look.ApplyDeckBack(sprites);
    for (const Sprite &s : sprites)
        EXPECT_EQ(fingerprint(s.back), fingerprint(look.GetPic(503)));
}

TEST_F(PicturesTest, MarksCoverEveryRankAndTheStockStates)
{
    QSet<QByteArray> seen;
    for (int m = 0; m < kMarkCount; ++m) {
        const QPixmap mark = look.RightPic(m);
        ASSERT_EQ(mark.size(), QSize(71, 96)) << m;
        EXPECT_EQ(pixelAt(mark, 0, 0).alpha(), 0) << m;
        seen.insert(fingerprint(mark));
    }
    EXPECT_EQ(seen.size(), kMarkCount);
    EXPECT_TRUE(look.RightPic(-1).isNull());
    EXPECT_TRUE(look.RightPic(kMarkCount).isNull());
}

TEST_F(PicturesTest, PicturesAreCachedUntilThePixelRatioChanges)
{
    Appearance changing(settings.data(), 1.0);
    const QPixmap first = changing.MainPic(9);
    EXPECT_EQ(changing.MainPic(9).cacheKey(), first.cacheKey());
    changing.setDevicePixelRatio(2.0);
    EXPECT_EQ(changing.MainPic(9).size(), QSize(142, 192));
    EXPECT_EQ(changing.DeckPic().size(), QSize(142, 192));
}

TEST(PictureGroups, OfferEveryTileAndEveryBackButTheHiddenOne)
{
    QList<int> offeredTiles, offeredBacks;
    for (const PictureGroup &g : backgroundGroups())
        offeredTiles += g.ids;
    for (const PictureGroup &g : deckGroups())
        offeredBacks += g.ids;
    EXPECT_EQ(offeredTiles, tileIds());
    QList<int> backs = deckIds();
    backs.removeAll(545);
    EXPECT_EQ(offeredBacks, backs);
    EXPECT_EQ(pictureEntryText(backgroundGroups().first().name, 1), QStringLiteral("Bricks 01"));
    EXPECT_EQ(pictureEntryText(deckGroups()[3].name, 1), QStringLiteral("Misc 01"));
}
