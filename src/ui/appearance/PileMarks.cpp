#include "ui/appearance/PileMarks.h"

#include "ui/appearance/CardFaces.h"
#include "ui/appearance/SuitShapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>

namespace cardova::ui {

namespace {
// Light strokes over a faint shadow read on dark colours and on light
// tiles alike.
const QColor kInk(255, 255, 255, 190);
const QColor kShade(0, 0, 0, 60);
// A dark edge under every light stroke keeps the marks readable on pale tiles.
const QColor kEdge(0, 0, 0, 120);

// Strokes a path with a dark edge first, then the light ink on top.
void strokeEdged(QPainter &p, const QPainterPath &path, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, width + 2.0, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kInk, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPath(path);
}
const char *const kRanks[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

void paintRank(QPainter &p, int num)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(num == 9 ? 26 : 30);
    font.setBold(true);
    const QString text = QString::fromLatin1(kRanks[num]);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(kCardWidthPx / 2.0 - box.center().x(), kCardHeightPx / 2.0 - box.center().y());
    p.setPen(QPen(kEdge, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(path);
}

void paintAnySuit(QPainter &p)
{
    const QPointF c(kCardWidthPx / 2.0, kCardHeightPx / 2.0);
    const QPointF offsets[4] = {{-11, -12}, {11, -12}, {-11, 12}, {11, 12}};
    for (int suit = 0; suit < 4; ++suit) {
        QPainterPath path = QTransform::fromScale(19, 19).map(suitPath(suit));
        path.translate(c + offsets[suit]);
        strokeEdged(p, path, 1.6);
    }
}

void paintStockDone(QPainter &p)
{
    const QPointF c(kCardWidthPx / 2.0, kCardHeightPx / 2.0);
    QPainterPath path;
    path.addEllipse(c, 17, 17);
    path.moveTo(c + QPointF(-12, 12));
    path.lineTo(c + QPointF(12, -12));
    strokeEdged(p, path, 4);
}

void paintRecycle(QPainter &p)
{
    const QPointF c(kCardWidthPx / 2.0, kCardHeightPx / 2.0);
    const qreal radius = 17;
    // An open circle running clockwise from the top, ending in an arrowhead.
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, 60);
    arc.arcTo(box, 60, 290);
    strokeEdged(p, arc, 4, Qt::FlatCap);
    const qreal a = 60 * M_PI / 180;
    const QPointF tip(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
    const QPolygonF head({tip + QPointF(-9, -4), tip + QPointF(5, -7), tip + QPointF(1, 7)});
    p.setPen(QPen(kEdge, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPolygon(head);
}
} // namespace

QImage renderMark(int m, qreal scale)
{
    if (m < 0 || m >= kMarkCount)
        return {};
    QImage image = cardCanvas(scale);
    CardPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kShade);
    p.drawRoundedRect(QRectF(1, 1, kCardWidthPx - 2, kCardHeightPx - 2), 5, 5);
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
