#include "ui/appearance/BackDesigns.h"

#include "ui/appearance/TileNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace cardova::ui::backs {

namespace {
void flower(QPainter &p, QPointF c, qreal radius, int petals, const QColor &petal, const QColor &heart)
{
    p.setPen(QPen(petal.darker(130), 0.4));
    p.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        const qreal a = 2 * M_PI * i / petals;
        p.save();
        p.translate(c);
        p.rotate(a * 180 / M_PI);
        p.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.3, radius * 0.5);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(c, radius * 0.28, radius * 0.28);
}

void leaf(QPainter &p, QPointF base, qreal length, qreal angleDeg, const QColor &colour)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length * 0.4, -length * 0.35, length, 0);
    path.quadTo(length * 0.4, length * 0.35, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

QPainterPath ridge(const QRectF &r, qreal baseY, qreal height, int peaks, uint32_t seed)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    for (int i = 0; i <= peaks * 2; ++i) {
        const qreal x = r.left() + r.width() * i / (peaks * 2);
        const qreal jitter = hashUnit(i, 0, seed) * 0.5 + 0.5;
        const qreal y = i % 2 ? baseY - height * jitter : baseY - height * 0.2 * jitter;
        path.lineTo(x, y);
    }
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}
} // namespace

void flowersRosettes(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(36, 74, 150));
    const qreal step = 12.5;
    for (int row = 0; row * step * 0.87 <= r.height() + step; ++row)
        for (int col = -1; col * step <= r.width() + step; ++col) {
            const QPointF c(r.left() + col * step + (row % 2 ? step / 2 : 0), r.top() + 3 + row * step * 0.87);
            flower(p, c, 5, 5, QColor(245, 245, 255), QColor(250, 200, 40));
        }
}

void flowersDaisy(QPainter &p, const QRectF &r)
{
    QRadialGradient ground(r.center(), r.height() * 0.7);
    ground.setColorAt(0, QColor(196, 40, 60));
    ground.setColorAt(1, QColor(120, 16, 36));
    p.fillRect(r, ground);
    for (const QPointF &corner : {r.topLeft() + QPointF(8, 8), r.topRight() + QPointF(-8, 8),
                                  r.bottomLeft() + QPointF(8, -8), r.bottomRight() + QPointF(-8, -8)})
        flower(p, corner, 6, 6, QColor(250, 200, 210), QColor(250, 220, 80));
    for (int i = 0; i < 6; ++i) // leaves behind the daisy
        leaf(p, r.center(), 30, 30 + i * 60, QColor(60, 140, 60));
    flower(p, r.center(), 25, 16, Qt::white, QColor(248, 190, 30));
}

void flowersTulips(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(54, 120, 58));
    const QColor colours[] = {QColor(226, 50, 60), QColor(248, 200, 40), QColor(236, 110, 170)};
    const qreal dx = 15.75, dy = 22;
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QPointF base(r.left() + 3.5 + col * dx + (row % 2 ? dx / 2 : 0), r.top() + 17 + row * dy);
            p.setPen(QPen(QColor(150, 210, 120), 1));
            p.drawLine(base, base - QPointF(0, 9));
            leaf(p, base, 6, -60, QColor(130, 200, 100));
            QPainterPath cup;
            const QPointF top = base - QPointF(0, 9);
            cup.moveTo(top + QPointF(-3.5, -7));
            cup.lineTo(top + QPointF(-1.5, -4.5));
            cup.lineTo(top + QPointF(0, -7.5));
            cup.lineTo(top + QPointF(1.5, -4.5));
            cup.lineTo(top + QPointF(3.5, -7));
            cup.quadTo(top + QPointF(4, 0.5), top);
            cup.quadTo(top + QPointF(-4, 0.5), top + QPointF(-3.5, -7));
            p.setPen(QPen(QColor(0, 0, 0, 60), 0.4));
            p.setBrush(colours[(row + col) % 3]);
            p.drawPath(cup);
        }
    }
}

void gardenTrellis(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(40, 96, 44));
    const qreal step = 9;
    p.setPen(QPen(QColor(236, 226, 200), 1.3));
    for (qreal d = -r.height(); d < r.width() + r.height(); d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    // Climbing leaves and a few small blossoms at the crossings.
    int n = 0;
    for (qreal y = r.top(); y <= r.bottom(); y += step / 2) {
        for (qreal x = r.left() + ((int((y - r.top()) / (step / 2)) % 2) ? step / 2 : 0); x <= r.right(); x += step) {
            ++n;
            if (hashUnit(n, 1, 511) < 0.45)
                leaf(p, QPointF(x, y), 5, hashUnit(n, 2, 511) * 360, QColor(120, 190, 80));
            if (hashUnit(n, 3, 511) > 0.9) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(240, 120, 150));
                p.drawEllipse(QPointF(x, y), 1.8, 1.8);
            }
        }
    }
}

void gardenLawn(QPainter &p, const QRectF &r)
{
    // Mown stripes around a round flower bed.
    const qreal stripe = r.height() / 8;
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(r.left(), r.top() + i * stripe, r.width(), stripe + 0.5),
                   i % 2 ? QColor(80, 150, 60) : QColor(104, 172, 74));
    const QPointF c = r.center();
    p.setPen(QPen(QColor(200, 190, 160), 3));
    p.setBrush(QColor(120, 80, 50));
    p.drawEllipse(c, 20, 20);
    for (int i = 0; i < 8; ++i) {
        const qreal a = 2 * M_PI * i / 8;
        flower(p, c + QPointF(12 * std::cos(a), 12 * std::sin(a)), 6, 5,
               i % 2 ? QColor(250, 240, 120) : QColor(240, 90, 120), QColor(250, 250, 250));
    }
    flower(p, c, 8, 8, QColor(250, 250, 250), QColor(250, 190, 40));
}

void natureNight(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(8, 14, 46));
    sky.setColorAt(1, QColor(34, 50, 110));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF s(r.left() + hashUnit(i, 0, 541) * r.width(), r.top() + hashUnit(i, 1, 541) * r.height());
        const qreal size = 0.4 + 1.0 * std::pow(hashUnit(i, 2, 541), 3.0);
        p.setBrush(QColor(255, 255, 230, 150 + int(100 * hashUnit(i, 3, 541))));
        p.drawEllipse(s, size, size);
    }
    // A crescent moon: a lit disc with a sky-coloured disc cut away.
    QPainterPath moon;
    moon.addEllipse(QPointF(r.center().x() + 4, r.top() + 30), 14, 14);
    QPainterPath bite;
    bite.addEllipse(QPointF(r.center().x() + 11, r.top() + 25), 13, 13);
    p.setBrush(QColor(250, 240, 190));
    p.drawPath(moon.subtracted(bite));
    p.setBrush(QColor(10, 16, 30));
    p.drawPath(ridge(r, r.bottom() - 6, 16, 3, 541));
}

void natureMountains(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(70, 40, 120));
    sky.setColorAt(0.55, QColor(240, 120, 70));
    sky.setColorAt(1, QColor(250, 210, 120));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 160));
    p.drawEllipse(QPointF(r.center().x(), r.top() + r.height() * 0.55), 11, 11);
    p.setBrush(QColor(120, 60, 110));
    p.drawPath(ridge(r, r.top() + r.height() * 0.72, 30, 2, 542));
    p.setBrush(QColor(70, 34, 76));
    p.drawPath(ridge(r, r.top() + r.height() * 0.86, 22, 3, 543));
    p.setBrush(QColor(36, 20, 44));
    p.drawPath(ridge(r, r.bottom() + 2, 12, 5, 544));
}

void natureWaves(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(20, 70, 130));
    // Rows of scalloped waves, each with a foam crest.
    const qreal w = 10, h = 7;
    for (int row = 0; row * h <= r.height() + h; ++row) {
        const qreal y = r.top() + row * h;
        const qreal shift = row % 2 ? w / 2 : 0;
        for (qreal x = r.left() - w + shift; x < r.right() + w; x += w) {
            QPainterPath crest;
            crest.moveTo(x, y + h);
            crest.cubicTo(x, y, x + w, y, x + w, y + h);
            crest.closeSubpath();
            p.setPen(QPen(QColor(225, 245, 255), 0.9));
            p.setBrush(QColor(34 + row * 3, 110 + row * 3, 175));
            p.drawPath(crest);
        }
    }
}

void natureTree(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(120, 180, 236));
    sky.setColorAt(1, QColor(210, 236, 250));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(86, 150, 64));
    p.drawEllipse(QPointF(r.center().x(), r.bottom() + 40), 70, 55);
    // Trunk, then a crown of overlapping leaf clusters in autumn colours.
    p.setBrush(QColor(100, 64, 36));
    p.drawPolygon(QPolygonF({QPointF(r.center().x() - 3, r.bottom() - 14), QPointF(r.center().x() + 3, r.bottom() - 14),
                             QPointF(r.center().x() + 2, r.top() + 40), QPointF(r.center().x() - 2, r.top() + 40)}));
    const QColor leaves[] = {QColor(214, 120, 30), QColor(190, 60, 30), QColor(236, 180, 40), QColor(120, 150, 40)};
    for (int i = 0; i < 26; ++i) {
        const qreal a = hashUnit(i, 0, 544) * 2 * M_PI, d = std::sqrt(hashUnit(i, 1, 544)) * 21;
        const QPointF c(r.center().x() + d * std::cos(a), r.top() + 32 + d * std::sin(a) * 0.85);
        p.setBrush(leaves[i % 4]);
        p.drawEllipse(c, 7, 6);
    }
}

} // namespace cardova::ui::backs
