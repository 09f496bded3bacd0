#include "ui/appearance/PaintedIcon.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/ToolbarIcons.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace cardova::ui;

namespace {
// A picture that fills its square's left half: where it lands shows the
// size it was drawn for.
void leftHalf(QPainter &p, qreal side) { p.fillRect(QRectF(0, 0, side / 2, side), Qt::red); }

int opaquePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}
} // namespace

TEST(PaintedIcon, DrawsAtTheSizeAndRatioAskedForAndSaysWhichSizesItHas)
{
    const QIcon icon = paintedIcon(leftHalf, {QSize(16, 16), QSize(32, 32)});
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    for (int side : {16, 24, 40}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(opaquePixels(image), side / 2 * side) << side;
        EXPECT_GT(qAlpha(image.pixel(side / 2 - 1, side - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(side / 2, 0)), 0);
    }
    // A screen of twice the density gets twice the pixels, not a picture
    // scaled up.
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(opaquePixels(sharp.toImage()), 16 * 32);
}

TEST(PaintedIcon, ADisabledIconIsGreyedAndTheProgramsPicturesAreDrawn)
{
    const QIcon undo = ToolbarIcons::icon(QStringLiteral("Undo"));
    const QImage normal = undo.pixmap(QSize(24, 24)).toImage();
    const QImage disabled = undo.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_GT(opaquePixels(normal), 24);
    EXPECT_NE(disabled, normal);

    const QIcon program = applicationIcon();
    for (const QSize &size : program.availableSizes()) {
        const QImage image = program.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size);
        EXPECT_GT(opaquePixels(image), size.width() * size.height() / 4) << size.width();
    }
}
