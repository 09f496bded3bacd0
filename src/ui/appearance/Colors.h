#pragma once
// Colour values of the table: the named colours, byte access to a
// 0x00BBGGRR colour and the band colours of a fading background. Pure
// arithmetic, usable without a window.
#include <QString>
#include <cstdint>
#include <optional>

namespace cardova::ui {

struct NamedColor {
    QString name;
    uint32_t colour; // 0x00BBGGRR, red in the lowest byte
};

constexpr int kFirstNamedColor = 1001;
constexpr int kLastNamedColor = 1025;
constexpr int kCustomColorIndex = 1000;
constexpr int kGradientBands = 256;

// The named colour of index 1001..1025; nothing for any other index.
std::optional<NamedColor> GetCol(int index);

// Byte k of a colour: 1 red, 2 green, 3 blue. -1 when k is outside 1..3 or
// the value is not a colour (negative or above 0xFFFFFF).
int ColorByte(int64_t colour, int k);

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb &) const = default;
};

// Colour of band 0..255 of a background in `colour`: with fade 1 the bands
// run from the colour (top) to black (bottom), otherwise every band is the
// colour itself.
Rgb gradientBand(int64_t colour, int fade, int band);

} // namespace cardova::ui
