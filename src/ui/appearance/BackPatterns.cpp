#include "ui/appearance/BackDesigns.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace cardova::ui {

void paintBackDesign(QPainter &p, int id, const QRectF &area)
{
    using namespace backs;
    switch (id) {
    case 501: flowersRosettes(p, area); break;
    case 502: flowersDaisy(p, area); break;
    case 503: flowersTulips(p, area); break;
    case 511: gardenTrellis(p, area); break;
    case 512: gardenLawn(p, area); break;
    case 521: geometryDiamonds(p, area); break;
    case 522: geometryHoneycomb(p, area); break;
    case 523: geometryArgyle(p, area); break;
    case 531: miscClassic(p, area); break;
    case 532: miscPolka(p, area); break;
    case 533: miscSunburst(p, area); break;
    case 541: natureNight(p, area); break;
    case 542: natureMountains(p, area); break;
    case 543: natureWaves(p, area); break;
    case 544: natureTree(p, area); break;
    default: miscScales(p, area); break;
    }
}

namespace backs {

namespace {
QPolygonF diamondAt(QPointF c, qreal rx, qreal ry)
{
    return QPolygonF({QPointF(c.x(), c.y() - ry), QPointF(c.x() + rx, c.y()), QPointF(c.x(), c.y() + ry),
                      QPointF(c.x() - rx, c.y())});
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner, int points)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = M_PI * i / points - M_PI / 2;
        const qreal rad = i % 2 ? inner : outer;
        const QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}
} // namespace

void geometryDiamonds(QPainter &p, const QRectF &r)
{
    const QColor colours[] = {QColor(24, 40, 92), QColor(216, 170, 60)};
    const QPointF c = r.center();
    // Concentric diamonds from the outside in, alternating navy and gold.
    for (int i = 0; i < 12; ++i) {
        const qreal k = 1.0 - i / 12.0;
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % 2]);
        p.drawPolygon(diamondAt(c, r.width() * k, r.height() * k));
    }
}

void geometryHoneycomb(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(18, 110, 112));
    const qreal s = 5.5; // hexagon radius
    const qreal w = std::sqrt(3.0) * s;
    p.setPen(QPen(QColor(190, 240, 228), 1.0));
    p.setBrush(QColor(24, 130, 130));
    for (int row = -1; row * s * 1.5 < r.height() + s; ++row) {
        for (int col = -1; col * w < r.width() + w; ++col) {
            const QPointF c(r.left() + col * w + (row % 2 ? w / 2 : 0), r.top() + row * s * 1.5);
            QPolygonF hex;
            for (int i = 0; i < 6; ++i) {
                const qreal a = M_PI / 3 * i + M_PI / 6;
                hex << QPointF(c.x() + s * std::cos(a), c.y() + s * std::sin(a));
            }
            p.drawPolygon(hex);
        }
    }
}

void geometryArgyle(QPainter &p, const QRectF &r)
{
    const qreal dw = r.width() / 3, dh = r.height() / 4;
    p.setPen(Qt::NoPen);
    for (int row = 0; row <= 4; ++row) {
        for (int col = 0; col <= 3; ++col) {
            // Two interleaved lattices of touching diamonds: every red diamond
            // is bordered by grey ones, the chequer of an argyle knit.
            p.setBrush(QColor(170, 28, 40));
            p.drawPolygon(diamondAt(QPointF(r.left() + col * dw, r.top() + row * dh), dw / 2, dh / 2));
            p.setBrush(QColor(60, 64, 80));
            p.drawPolygon(diamondAt(QPointF(r.left() + (col + 0.5) * dw, r.top() + (row + 0.5) * dh), dw / 2,
                                    dh / 2));
        }
    }
    // The thin crossing lines of an argyle knit.
    p.setPen(QPen(QColor(240, 230, 200), 0.6, Qt::DashLine));
    for (int i = -4; i <= 8; ++i) {
        const qreal x = r.left() + i * dw;
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height() * dw / dh, r.bottom()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height() * dw / dh, r.top()));
    }
}

void miscClassic(QPainter &p, const QRectF &r)
{
    const QColor navy(22, 44, 112), light(190, 205, 240), gold(222, 182, 80);
    p.fillRect(r, navy);
    // A fine lattice of crossing diagonals.
    p.setPen(QPen(light, 0.55));
    for (qreal d = -r.height(); d < r.width() + r.height(); d += 4) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    // Double inner border.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 2, 2);
    p.setPen(QPen(gold, 0.7));
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 1.5, 1.5);
    // Central medallion with an eight-pointed star.
    const QPointF c = r.center();
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(navy);
    p.drawEllipse(c, 17, 23);
    p.setPen(QPen(gold, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14.5, 20.5);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(starPath(c, 13, 5, 8));
    p.setBrush(Qt::white);
    p.drawPath(starPath(c, 7, 2.8, 4));
    p.setBrush(navy);
    p.drawEllipse(c, 1.6, 1.6);
}

void miscPolka(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(176, 26, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 236, 220));
    const qreal step = 7;
    for (int row = 0; row * step <= r.height() + step; ++row)
        for (int col = 0; col * step <= r.width() + step; ++col)
            p.drawEllipse(QPointF(r.left() + col * step + (row % 2 ? step / 2 : 0), r.top() + row * step), 1.6,
                          1.6);
    const QPointF c = r.center();
    p.setBrush(QColor(176, 26, 38));
    p.setPen(QPen(QColor(250, 236, 220), 1.5));
    p.drawEllipse(c, 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 236, 220));
    p.drawPath(starPath(c, 11, 4.5, 5));
}

void miscSunburst(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    p.fillRect(r, QColor(236, 128, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 196, 50));
    const int rays = 24;
    for (int i = 0; i < rays; i += 2) {
        const qreal a0 = 2 * M_PI * i / rays, a1 = 2 * M_PI * (i + 1) / rays;
        QPolygonF ray({c, QPointF(c.x() + 80 * std::cos(a0), c.y() + 80 * std::sin(a0)),
                       QPointF(c.x() + 80 * std::cos(a1), c.y() + 80 * std::sin(a1))});
        p.drawPolygon(ray);
    }
    QRadialGradient glow(c, 14);
    glow.setColorAt(0, QColor(255, 250, 210));
    glow.setColorAt(1, QColor(250, 200, 60));
    p.setBrush(glow);
    p.setPen(QPen(QColor(190, 80, 20), 1));
    p.drawEllipse(c, 12, 12);
}

void miscScales(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(96, 108, 124));
    p.setPen(QPen(QColor(200, 208, 220), 0.8));
    p.setBrush(QColor(120, 134, 150));
    const qreal s = 6;
    for (int row = -1; row * s / 1.6 < r.height() + s; ++row)
        for (int col = -1; col * s < r.width() + s; ++col)
            p.drawChord(QRectF(r.left() + col * s + (row % 2 ? s / 2 : 0) - s / 2, r.top() + row * s / 1.6 - s / 2, s,
                               s),
                        180 * 16, 180 * 16);
}

} // namespace backs
} // namespace cardova::ui
