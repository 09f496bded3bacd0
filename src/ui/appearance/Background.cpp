#include "ui/appearance/Background.h"

#include "ui/appearance/BackgroundTiles.h"
#include "ui/appearance/Colors.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace cardova::ui {

BackgroundChoice resolveBackground(int ind, int64_t customColor)
{
    if (ind >= 1 && ind <= 999 && isTileId(ind))
        return {true, ind, 0};
    if (ind == kCustomColorIndex)
        return {false, 0, customColor};
    const auto named = GetCol(ind);
    const auto colour = named ? named->colour : GetCol(kDefaultBackground)->colour;
    return {false, 0, colour};
}

int tileDrawCount(int tileSize, int surfaceSize)
{
    if (tileSize <= 0 || surfaceSize < 0)
        return 0;
    return surfaceSize / tileSize + 1;
}

void PaintGradient(QPainter &painter, const QRect &area, int64_t colour, int fade, const QRect &only)
{
    const QRect shown = only.isEmpty() ? area : area.intersected(only);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Band edges are rounded to whole pixels so neighbouring bands neither
    // overlap nor leave a seam, whatever the surface height.
    const int h = area.height();
    for (int i = 0; i < kGradientBands; ++i) {
        const int top = area.top() + (i * h) / kGradientBands;
        const int bottom = area.top() + ((i + 1) * h) / kGradientBands;
        const QRect band = QRect(area.left(), top, area.width(), bottom - top).intersected(shown);
        if (band.isEmpty())
            continue;
        const Rgb c = gradientBand(colour, fade, i);
        painter.fillRect(band, QColor(c.r, c.g, c.b));
    }
    painter.restore();
}

void TilePicture(QPainter &painter, const QRect &area, const QPixmap &tile, const QRect &only)
{
    const qreal dpr = tile.devicePixelRatio();
    const int w = qRound(tile.width() / dpr);
    const int h = qRound(tile.height() / dpr);
    const int across = tileDrawCount(w, area.width());
    const int down = tileDrawCount(h, area.height());
    if (w <= 0 || h <= 0)
        return;
    // The copies anchored at the area's corner that reach into what is shown.
    const QRect shown = only.isEmpty() ? area : area.intersected(only);
    if (shown.isEmpty())
        return;
    const int firstCol = (shown.left() - area.left()) / w, lastCol = std::min(across - 1, (shown.right() - area.left()) / w);
    const int firstRow = (shown.top() - area.top()) / h, lastRow = std::min(down - 1, (shown.bottom() - area.top()) / h);
    // The last copies reach past the area; on a window they must not cover
    // what lies beyond it.
    painter.save();
    painter.setClipRect(shown, Qt::IntersectClip);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            painter.drawPixmap(QPoint(area.left() + col * w, area.top() + row * h), tile);
    painter.restore();
}

} // namespace cardova::ui
