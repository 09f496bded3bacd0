#pragma once
// The two ways a table background is painted: a colour in 256 bands
// (optionally fading to black) and a picture tiled from the top-left corner.
#include <QRect>
#include <cstdint>

class QPainter;
class QPixmap;

namespace cardova::ui {

// What a stored background index paints. Indices that name nothing (a
// missing tile, a colour index above 1025, zero or negative) paint the
// default background, dark green, instead of failing.
struct BackgroundChoice {
    bool tiled = false;
    int tileId = 0;      // when tiled
    int64_t colour = 0;  // 0x00BBGGRR when not tiled
};
constexpr int kDefaultBackground = 1007;
BackgroundChoice resolveBackground(int ind, int64_t customColor);

// Tiles drawn along one side: positions 0, t, 2t, ... up to and including
// the surface size (so a surface that is an exact multiple gets one more).
int tileDrawCount(int tileSize, int surfaceSize);

// Both paint `area` as a whole would look, but touch only the pixels inside
// `only` (the part of a window that needs painting); an empty `only` means
// all of `area`.
void PaintGradient(QPainter &painter, const QRect &area, int64_t colour, int fade, const QRect &only = {});
void TilePicture(QPainter &painter, const QRect &area, const QPixmap &tile, const QRect &only = {});

} // namespace cardova::ui
