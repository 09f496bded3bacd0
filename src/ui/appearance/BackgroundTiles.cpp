#include "ui/appearance/BackgroundTiles.h"

#include "ui/appearance/TileShaders.h"

#include <QtMath>
#include <array>
#include <cmath>

namespace cardova::ui {

namespace {
using S = ShaderKind;
constexpr Rgbf rgb(int r, int g, int b) { return {r / 255.f, g / 255.f, b / 255.f}; }

// id, size, shader, three colours, two shape numbers, seed.
const TileSpec kTiles[] = {
    {1, 160, 120, S::Bricks, rgb(170, 62, 42), rgb(120, 40, 30), rgb(205, 200, 190), 4, 6, 11},
    {2, 200, 120, S::Bricks, rgb(120, 72, 45), rgb(80, 48, 32), rgb(150, 140, 130), 5, 6, 12},
    {3, 192, 96, S::Bricks, rgb(215, 180, 120), rgb(180, 140, 90), rgb(235, 225, 205), 3, 6, 13},
    {4, 160, 128, S::Bricks, rgb(140, 140, 135), rgb(100, 100, 98), rgb(70, 70, 68), 2, 4, 14},
    {5, 180, 120, S::Bricks, rgb(236, 232, 222), rgb(205, 200, 190), rgb(160, 155, 150), 4, 6, 15},
    {11, 128, 128, S::Marble, rgb(238, 236, 232), rgb(120, 120, 128), rgb(200, 200, 205), 2, 1, 21},
    {12, 128, 128, S::Marble, rgb(30, 90, 62), rgb(200, 230, 210), rgb(20, 60, 40), 1, 2, 22},
    {13, 140, 120, S::Marble, rgb(30, 28, 30), rgb(212, 175, 90), rgb(55, 50, 55), 2, 2, 23},
    {21, 100, 100, S::Paper, rgb(245, 238, 220), rgb(200, 190, 170), rgb(0, 0, 0), 0, 0, 31},
    {22, 120, 100, S::Paper, rgb(214, 214, 208), rgb(110, 110, 105), rgb(0, 0, 0), 1, 0, 32},
    {23, 100, 100, S::Paper, rgb(205, 220, 238), rgb(150, 170, 200), rgb(0, 0, 0), 0, 1, 33},
    {24, 128, 96, S::Paper, rgb(232, 214, 170), rgb(170, 130, 80), rgb(0, 0, 0), 2, 1, 34},
    {25, 120, 120, S::Paper, rgb(180, 140, 95), rgb(120, 85, 50), rgb(0, 0, 0), 1, 0, 35},
    {31, 160, 120, S::Rocks, rgb(135, 132, 128), rgb(50, 48, 46), rgb(160, 150, 140), 6, 0, 41},
    {32, 120, 120, S::Rocks, rgb(150, 115, 80), rgb(70, 55, 40), rgb(190, 170, 140), 9, 0, 42},
    {33, 160, 120, S::Rocks, rgb(70, 80, 92), rgb(30, 34, 40), rgb(95, 100, 110), 4, 1, 43},
    {34, 140, 140, S::Rocks, rgb(200, 160, 110), rgb(110, 80, 55), rgb(225, 195, 150), 5, 1, 44},
    {41, 160, 120, S::Stars, rgb(10, 16, 48), rgb(24, 36, 90), rgb(255, 255, 240), 0, 0, 51},
    {42, 200, 140, S::Stars, rgb(4, 4, 10), rgb(70, 20, 80), rgb(255, 240, 255), 1, 0, 52},
    {43, 128, 128, S::Stars, rgb(14, 30, 70), rgb(8, 12, 35), rgb(255, 250, 200), 2, 0, 53},
    {51, 100, 100, S::Felt, rgb(20, 110, 50), rgb(12, 80, 36), rgb(0, 0, 0), 0, 0, 61},
    {52, 100, 100, S::Felt, rgb(28, 70, 140), rgb(18, 48, 105), rgb(0, 0, 0), 0, 0, 62},
    {53, 96, 96, S::Canvas, rgb(215, 200, 165), rgb(170, 150, 115), rgb(0, 0, 0), 24, 24, 63},
    {54, 120, 120, S::Leather, rgb(110, 62, 32), rgb(60, 32, 18), rgb(0, 0, 0), 14, 0, 64},
    {55, 120, 100, S::Cork, rgb(196, 150, 100), rgb(130, 90, 55), rgb(225, 190, 140), 26, 0, 65},
    {61, 160, 120, S::Ripples, rgb(30, 90, 170), rgb(90, 160, 220), rgb(220, 240, 255), 0, 0, 71},
    {62, 128, 128, S::Caustics, rgb(40, 150, 190), rgb(200, 245, 255), rgb(0, 0, 0), 5, 0, 72},
    {63, 180, 120, S::Ripples, rgb(8, 32, 70), rgb(25, 70, 120), rgb(120, 170, 210), 1, 0, 73},
    {64, 140, 120, S::Caustics, rgb(20, 140, 130), rgb(190, 250, 230), rgb(0, 0, 0), 4, 0, 74},
    {65, 200, 120, S::Ripples, rgb(10, 14, 35), rgb(30, 40, 80), rgb(210, 215, 235), 2, 0, 75},
    {71, 200, 120, S::Wood, rgb(200, 150, 95), rgb(150, 100, 55), rgb(0, 0, 0), 4, 9, 81},
    {72, 200, 120, S::Wood, rgb(110, 70, 42), rgb(60, 36, 22), rgb(0, 0, 0), 3, 7, 82},
    {73, 160, 128, S::Wood, rgb(150, 60, 38), rgb(95, 32, 20), rgb(0, 0, 0), 4, 11, 83},
};

const TileSpec *findTile(int id)
{
    for (const TileSpec &t : kTiles)
        if (t.id == id)
            return &t;
    return nullptr;
}

QRgb toRgb(Rgbf c)
{
    auto ch = [](float v) { return qBound(0, int(std::lround(v * 255.f)), 255); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}
} // namespace

bool isTileId(int id) { return findTile(id) != nullptr; }

QList<int> tileIds()
{
    QList<int> ids;
    for (const TileSpec &t : kTiles)
        ids.append(t.id);
    return ids;
}

QSize tileSize(int id)
{
    const TileSpec *t = findTile(id);
    return t ? QSize(t->width, t->height) : QSize();
}

QImage renderTile(int id, qreal dpr)
{
    const TileSpec *look = findTile(id);
    if (!look)
        return {};
    const int w = qMax(1, qRound(look->width * dpr));
    const int h = qMax(1, qRound(look->height * dpr));
    QImage image(w, h, QImage::Format_RGB32);
    // Pixel centres in [0, 1): the last column is a neighbour of the first.
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const float v = (float(y) + 0.5f) / float(h);
        for (int x = 0; x < w; ++x)
            line[x] = toRgb(shadeTile(*look, (float(x) + 0.5f) / float(w), v));
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace cardova::ui
