#include "ui/appearance/Colors.h"

#include "common/Numeric.h"

#include <algorithm>
#include <array>

namespace cardova::ui {

namespace {
struct ColorRow {
    const char *name;
    int r, g, b;
};

constexpr std::array<ColorRow, kLastNamedColor - kFirstNamedColor + 1> kColors = {{
    {"Blue", 0, 0, 255},
    {"Brown", 165, 42, 42},
    {"Chocolate", 210, 105, 30},
    {"Corn Flower", 100, 149, 237},
    {"Crimson", 220, 20, 60},
    {"Dark Blue", 0, 0, 139},
    {"Dark Green", 0, 100, 0},
    {"Dark Magenta", 139, 0, 139},
    {"Dark Olive Green", 85, 107, 47},
    {"Dark Red", 139, 0, 0},
    {"Dark Slate Blue", 72, 61, 139},
    {"Dark Slate Gray", 47, 79, 79},
    {"Dark Violet", 148, 0, 211},
    {"Deep Pink", 255, 20, 147},
    {"Deep Sky Blue", 0, 191, 255},
    {"Forest Green", 34, 139, 34},
    {"Green", 0, 128, 0},
    {"Indigo", 75, 0, 130},
    {"Orange Red", 255, 69, 0},
    {"Purple", 128, 0, 128},
    {"Red", 255, 0, 0},
    {"Saddle Brown", 139, 69, 19},
    {"Sea Green", 46, 139, 87},
    {"Sienna", 160, 82, 45},
    {"Tomato", 255, 99, 71},
}};

// One channel of a band: start + i * step, rounded half to even, never
// below 0. A channel of -1 (not a colour) thus paints as 0.
int bandChannel(int start, int end, int band)
{
    const double step = double(end - start) / 255.0;
    const double v = roundHalfEven(start + band * step);
    return std::max(0, int(v));
}
} // namespace

std::optional<NamedColor> GetCol(int index)
{
    if (index < kFirstNamedColor || index > kLastNamedColor)
        return std::nullopt;
    const ColorRow &row = kColors[size_t(index - kFirstNamedColor)];
    const uint32_t colour = uint32_t(row.r) | (uint32_t(row.g) << 8) | (uint32_t(row.b) << 16);
    return NamedColor{QString::fromLatin1(row.name), colour};
}

int ColorByte(int64_t colour, int k)
{
    if (k < 1 || k > 3 || colour < 0 || colour > 0xFFFFFF)
        return -1;
    return int((colour >> (8 * (k - 1))) & 0xFF);
}

Rgb gradientBand(int64_t colour, int fade, int band)
{
    const int64_t end = fade == 1 ? 0 : colour;
    return {bandChannel(ColorByte(colour, 1), ColorByte(end, 1), band),
            bandChannel(ColorByte(colour, 2), ColorByte(end, 2), band),
            bandChannel(ColorByte(colour, 3), ColorByte(end, 3), band)};
}

} // namespace cardova::ui
