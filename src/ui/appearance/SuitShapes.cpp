#include "ui/appearance/SuitShapes.h"

#include <QPainter>
#include <array>

namespace cardova::ui {

namespace {
QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, 0.46);
    p.cubicTo(-0.12, 0.30, -0.5, 0.08, -0.5, -0.17);
    p.cubicTo(-0.5, -0.42, -0.16, -0.52, 0, -0.26);
    p.cubicTo(0.16, -0.52, 0.5, -0.42, 0.5, -0.17);
    p.cubicTo(0.5, 0.08, 0.12, 0.30, 0, 0.46);
    p.closeSubpath();
    return p;
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.30, 0.48, -0.14, 0.48, 0.1);
    p.cubicTo(0.48, 0.30, 0.22, 0.38, 0.05, 0.22);
    p.quadTo(0.08, 0.40, 0.2, 0.5);
    p.lineTo(-0.2, 0.5);
    p.quadTo(-0.08, 0.40, -0.05, 0.22);
    p.cubicTo(-0.22, 0.38, -0.48, 0.30, -0.48, 0.1);
    p.cubicTo(-0.48, -0.14, -0.12, -0.30, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.38, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.38, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    p.closeSubpath();
    return p;
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath club()
{
    const qreal r = 0.215;
    const QPointF top(0, -0.25), left(-0.26, 0.06), right(0.26, 0.06);
    QPainterPath middle;
    middle.addPolygon(QPolygonF({top, left, right}));
    middle.closeSubpath();
    QPainterPath stem;
    stem.moveTo(0.04, 0.0);
    stem.quadTo(0.07, 0.38, 0.2, 0.5);
    stem.lineTo(-0.2, 0.5);
    stem.quadTo(-0.07, 0.38, -0.04, 0.0);
    stem.closeSubpath();
    // Merged one part at a time, so no seam or hole shows where they overlap.
    return circle(top, r).united(circle(left, r)).united(circle(right, r)).united(middle).united(stem);
}
// The shape with its curves turned into straight edges once, finely enough
// for the largest pip on any screen: a face is filled from straight edges
// only, instead of flattening every curve of every pip again at each size.
QPainterPath flattened(const QPainterPath &shape)
{
    constexpr qreal kFine = 512; // design units to flattening units
    QPainterPath flat;
    flat.setFillRule(shape.fillRule());
    const QTransform back = QTransform::fromScale(1 / kFine, 1 / kFine);
    for (const QPolygonF &polygon : shape.toFillPolygons(QTransform::fromScale(kFine, kFine)))
        flat.addPolygon(back.map(polygon));
    return flat;
}
} // namespace

const QPainterPath &suitPath(int suit)
{
    // One set per thread: cards are drawn on several threads at once, and a
    // path shared between them would fill its lazy caches concurrently.
    thread_local const std::array<QPainterPath, 4> paths = {flattened(heart()), flattened(spade()),
                                                            flattened(diamond()), flattened(club())};
    return paths[size_t(suit & 3)];
}

bool isRedSuit(int suit) { return suit == 0 || suit == 2; }

QColor suitColor(int suit) { return isRedSuit(suit) ? QColor(200, 24, 32) : QColor(22, 22, 28); }

void drawSuit(QPainter &painter, int suit, QPointF centre, qreal size, bool upsideDown)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColor(suit));
    painter.drawPath(suitPath(suit));
    painter.restore();
}

} // namespace cardova::ui
