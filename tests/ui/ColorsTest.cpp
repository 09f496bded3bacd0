// The named colours, byte access to a colour and the band colours of a
// colour background.
#include "ui/appearance/Colors.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace cardova::ui;

namespace {
constexpr int64_t rgbValue(int r, int g, int b) { return r | (g << 8) | (b << 16); }
} // namespace

TEST(ColorByte, TakesRedGreenAndBlueFromTheLowBytesUp)
{
    const int64_t colour = rgbValue(51, 34, 17);
    EXPECT_EQ(ColorByte(colour, 1), 51);
    EXPECT_EQ(ColorByte(colour, 2), 34);
    EXPECT_EQ(ColorByte(colour, 3), 17);
    EXPECT_EQ(ColorByte(0xFFFFFF, 3), 255);
}

TEST(ColorByte, RefusesOtherBytesAndValuesThatAreNoColour)
{
    const int64_t colour = rgbValue(51, 34, 17);
    EXPECT_EQ(ColorByte(colour, 4), -1);
    EXPECT_EQ(ColorByte(colour, 0), -1);
    EXPECT_EQ(ColorByte(0x1000000, 1), -1);
    EXPECT_EQ(ColorByte(-1, 1), -1);
}

TEST(GetCol, KnowsTheTwentyFiveNamedColours)
{
    QSet<QString> names;
    for (int index = kFirstNamedColor; index <= kLastNamedColor; ++index) {
        const auto c = GetCol(index);
        ASSERT_TRUE(c.has_value()) << index;
        EXPECT_FALSE(c->name.isEmpty());
        EXPECT_LE(c->colour, 0xFFFFFFu);
        names.insert(c->name);
    }
    EXPECT_EQ(names.size(), 25);
    EXPECT_EQ(GetCol(1001)->name, QStringLiteral("Blue"));
    EXPECT_EQ(GetCol(1001)->colour, uint32_t(rgbValue(0, 0, 255)));
    EXPECT_EQ(GetCol(1007)->name, QStringLiteral("Dark Green"));
    EXPECT_EQ(GetCol(1007)->colour, uint32_t(rgbValue(0, 100, 0)));
    EXPECT_EQ(GetCol(1020)->name, QStringLiteral("Purple"));
    EXPECT_EQ(GetCol(1025)->name, QStringLiteral("Tomato"));
    EXPECT_EQ(GetCol(1025)->colour, uint32_t(rgbValue(255, 99, 71)));
}

TEST(GetCol, GivesNothingOutsideTheNamedRange)
{
    for (int index : {-1, 0, 1, 999, 1000, 1026, 32767})
        EXPECT_FALSE(GetCol(index).has_value()) << index;
}

TEST(GradientBand, FadesFromTheColourAtTheTopToBlackAtTheBottom)
{
    const int64_t darkGreen = rgbValue(0, 100, 0);
    EXPECT_EQ(gradientBand(darkGreen, 1, 0), (Rgb{0, 100, 0}));
    EXPECT_EQ(gradientBand(darkGreen, 1, 255), (Rgb{0, 0, 0}));
    // 100 - 128 * 100 / 255 = 49.8
    EXPECT_EQ(gradientBand(darkGreen, 1, 128), (Rgb{0, 50, 0}));
    for (int i = 1; i < kGradientBands; ++i)
        EXPECT_LE(gradientBand(darkGreen, 1, i).g, gradientBand(darkGreen, 1, i - 1).g);
}

TEST(GradientBand, IsOnePlainColourWithoutFade)
{
    const int64_t tomato = rgbValue(255, 99, 71);
    for (int fade : {0, -1, 2})
        for (int i : {0, 100, 255})
            EXPECT_EQ(gradientBand(tomato, fade, i), (Rgb{255, 99, 71})) << fade << " " << i;
}

TEST(GradientBand, PaintsAValueThatIsNoColourBlackInsteadOfFailing)
{
    EXPECT_EQ(gradientBand(-1, 1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(gradientBand(0x7FFFFFFF, 0, 200), (Rgb{0, 0, 0}));
}
