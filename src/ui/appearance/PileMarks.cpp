#include "ui/appearance/PileMarks.h"

#include "ui/appearance/CardFaces.h"
#include "ui/appearance/SuitShapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace cardova::ui {

namespace {
// Light strokes over a faint shadow read on dark colours and on light
// tiles alike.
const QColor kInk(255, 255, 255, 190);
const QColor kShade(0, 0, 0, 60);
const char *const kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void paintRank(QPainter &p, int num)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(num == 9 ? 26 : 30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, kCardWidth, kCardHeight), Qt::AlignCenter, QString::fromLatin1(kRanks[num]));
}

void paintAnySuit(QPainter &p)
{
    const QPointF c(kCardWidth / 2.0, kCardHeight / 2.0);
    const QPointF offsets[4] = {{-11, -12}, {11, -12}, {-11, 12}, {11, 12}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.5));
    for (int suit = 0; suit < 4; ++suit) {
        p.save();
        p.translate(c + offsets[suit]);
        p.scale(19, 19);
        p.setPen(QPen(kInk, 1.6 / 19));
        p.drawPath(suitPath(suit));
        p.restore();
    }
}

void paintStockDone(QPainter &p)
{
    const QPointF c(kCardWidth / 2.0, kCardHeight / 2.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4));
    p.drawEllipse(c, 17, 17);
    p.drawLine(c + QPointF(-12, 12), c + QPointF(12, -12));
}

void paintRecycle(QPainter &p)
{
    const QPointF c(kCardWidth / 2.0, kCardHeight / 2.0);
    const qreal radius = 17;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::FlatCap));
    // An open circle running clockwise from the top, ending in an arrowhead.
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, 60 * 16, 290 * 16);
    const qreal a = 60 * M_PI / 180;
    const QPointF tip(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({tip + QPointF(-9, -4), tip + QPointF(5, -7), tip + QPointF(1, 7)}));
}
} // namespace

QImage renderMark(int m, qreal dpr)
{
    if (m < 0 || m >= kMarkCount)
        return {};
    QImage image = cardCanvas(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kShade);
    p.drawRoundedRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2), 5, 5);
    if (m <= 12)
        paintRank(p, m);
    else if (m == kMarkAny)
        paintAnySuit(p);
    else if (m == kMarkStockDone)
        paintStockDone(p);
    else if (m == kMarkRecycle)
        paintRecycle(p);
    return image;
}

} // namespace cardova::ui
