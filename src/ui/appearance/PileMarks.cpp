#include "ui/appearance/PileMarks.h"

#include "engine/Card.h"

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
// The ink of the mark that says a click does nothing.
const QColor kStopInk(255, 130, 110, 225);

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

// Nothing left to turn: a "no" sign, larger than the turn-back arrow and
// in a warm ink, so the two never read alike even on small cards.
void paintStockDone(QPainter &p)
{
    const QPointF c(kCardWidthPx / 2.0, kCardHeightPx / 2.0);
    const qreal radius = 22;
    QPainterPath path;
    path.addEllipse(c, radius, radius);
    const qreal d = radius * M_SQRT1_2;
    path.moveTo(c + QPointF(-d, -d));
    path.lineTo(c + QPointF(d, d));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kEdge, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kStopInk, 5.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
}

// A free cell: a card's outline inside the mark, the place of one card.
void paintCell(QPainter &p)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(9, 9, kCardWidthPx - 18, kCardHeightPx - 18), 4, 4);
    strokeEdged(p, path, 2.0);
}

// The reserve: a small pile of cards, the pile the tableau draws on.
void paintReserve(QPainter &p)
{
    const QPointF c(kCardWidthPx / 2.0, kCardHeightPx / 2.0);
    const QSizeF card(30, 40);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath path;
        path.addRoundedRect(QRectF(c + QPointF(i * 6 - card.width() / 2, i * 7 - card.height() / 2), card), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kShade);
        p.drawPath(path);
        strokeEdged(p, path, 2.0);
    }
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
static_assert(kMarkStockDone == kMarkerEmptyStock && kMarkRecycle == kMarkerRecycle && kMarkCell == kMarkerCell &&
                  kMarkReserve == kMarkerReserve,
              "the table's marker pictures are these marks");
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
    else if (m == kMarkCell)
        paintCell(p);
    else if (m == kMarkReserve)
        paintReserve(p);
    return image;
}

} // namespace cardova::ui
