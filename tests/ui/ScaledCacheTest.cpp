// Pictures at a zoom: drawn for the size they are shown at, the same drawn
// on many threads as on one, and only the latest few sizes kept.
#include "ui/appearance/CardFaces.h"
#include "ui/appearance/ScaledCache.h"

#include <gtest/gtest.h>

using namespace cardova::ui;

namespace {
int renders = 0;
QImage countedFace(int k, qreal scale)
{
    ++renders;
    return renderFace(k, scale);
}
} // namespace

TEST(ScaledCache, PicturesAreDrawnAtTheirZoomNotStretched)
{
    ScaledCache cache;
    const qreal dpr = 2.0, zoom = 1.75;
    const QPixmap face = cache.get(12, dpr * zoom, dpr, renderFace);
    EXPECT_EQ(face.width(), qRound(kCardWidthPx * dpr * zoom));
    EXPECT_EQ(face.height(), qRound(kCardHeightPx * dpr * zoom));
    EXPECT_DOUBLE_EQ(face.devicePixelRatio(), dpr);
    EXPECT_TRUE(face.toImage() == renderFace(12, dpr * zoom).convertToFormat(face.toImage().format()));
    EXPECT_TRUE(cache.get(99, 2.0, 1.0, renderFace).isNull());
}

TEST(ScaledCache, DrawingADeckTogetherGivesTheSamePictures)
{
    ScaledCache together, oneByOne;
    QList<int> deck;
    for (int k = 1; k <= kFaceCount; ++k)
        deck.append(k);
    deck.append(5); // asked twice, drawn once
    renders = 0;
    together.prepare(deck, 2.5, 1.0, countedFace);
    EXPECT_EQ(renders, kFaceCount);
    for (int k = 1; k <= kFaceCount; ++k)
        ASSERT_TRUE(together.get(k, 2.5, 1.0, countedFace).toImage() ==
                    oneByOne.get(k, 2.5, 1.0, renderFace).toImage())
            << "face " << k;
    EXPECT_EQ(renders, kFaceCount); // nothing drawn again
}

TEST(ScaledCache, KeepsOnlyTheLatestSizes)
{
    ScaledCache cache;
    renders = 0;
    for (int step = 0; step < 8; ++step)
        cache.get(1, 1.0 + step * 0.25, 1.0, countedFace);
    EXPECT_EQ(cache.sizeCount(), ScaledCache::kSizesKept);
    cache.get(1, 1.0 + 7 * 0.25, 1.0, countedFace); // the latest: held
    EXPECT_EQ(renders, 8);
    cache.get(1, 1.0, 1.0, countedFace); // the first: dropped long ago
    EXPECT_EQ(renders, 9);
}
