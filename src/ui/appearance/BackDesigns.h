#pragma once
// The pictures inside the white margin of each card back, one function per
// back, grouped by theme: patterns (Geometry, Misc) in BackPatterns.cpp,
// pictures (Flowers, Garden, Nature) in BackPictures.cpp.
#include <QRectF>

class QPainter;

namespace cardova::ui {

// Paints back `id` filling `area` (the painter is clipped to it).
void paintBackDesign(QPainter &p, int id, const QRectF &area);

namespace backs {
void geometryDiamonds(QPainter &p, const QRectF &r);
void geometryHoneycomb(QPainter &p, const QRectF &r);
void geometryArgyle(QPainter &p, const QRectF &r);
void miscClassic(QPainter &p, const QRectF &r);
void miscPolka(QPainter &p, const QRectF &r);
void miscSunburst(QPainter &p, const QRectF &r);
void miscScales(QPainter &p, const QRectF &r);
void flowersRosettes(QPainter &p, const QRectF &r);
void flowersDaisy(QPainter &p, const QRectF &r);
void flowersTulips(QPainter &p, const QRectF &r);
void gardenTrellis(QPainter &p, const QRectF &r);
void gardenLawn(QPainter &p, const QRectF &r);
void natureNight(QPainter &p, const QRectF &r);
void natureMountains(QPainter &p, const QRectF &r);
void natureWaves(QPainter &p, const QRectF &r);
void natureTree(QPainter &p, const QRectF &r);
} // namespace backs

} // namespace cardova::ui
