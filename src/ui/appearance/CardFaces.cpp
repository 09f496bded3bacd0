#include "ui/appearance/CardFaces.h"

#include "ui/appearance/CourtCards.h"
#include "ui/appearance/SuitShapes.h"

#include <QFont>
#include <QPainter>

namespace cardova::ui {

namespace {
constexpr qreal kLeft = 22, kMid = 35.5, kRight = 49;
constexpr qreal kTop = 17, kBottom = 79;
constexpr qreal kPipSize = 12.5;

const char *const kRankText[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

qreal rowAt(qreal fraction) { return kTop + (kBottom - kTop) * fraction; }

// Rank and suit in the top-left corner; called twice, the second time
// turned half round for the bottom-right corner.
void paintIndex(QPainter &p, int suit, int num)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(suitColor(suit));
    const QRectF box(0.5, 2, 14, 13);
    p.save();
    if (num == 9) { // "10" is squeezed to the width of one letter
        p.translate(box.center());
        p.scale(0.72, 1.0);
        p.translate(-box.center());
        p.drawText(QRectF(box.x() - 4, box.y(), box.width() + 8, box.height()), Qt::AlignCenter,
                   QStringLiteral("10"));
    } else {
        p.drawText(box, Qt::AlignCenter, QString::fromLatin1(kRankText[num]));
    }
    p.restore();
    drawSuit(p, suit, QPointF(7.5, 21), 8.5);
}

void paintPips(QPainter &p, int suit, int num)
{
    if (num == 0) { // the Ace: one large pip, the Ace of Spades larger still
        const qreal size = suit == 1 ? 34 : 26;
        drawSuit(p, suit, QPointF(kMid, kCardMiddleY), size);
        return;
    }
    for (const QPointF &c : pipLayout(num + 1))
        drawSuit(p, suit, c, kPipSize, c.y() > kCardMiddleY + 0.1);
}
} // namespace

QImage cardCanvas(qreal scale)
{
    QImage image(qMax(1, qRound(kCardWidthPx * scale)), qMax(1, qRound(kCardHeightPx * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

CardPainter::CardPainter(QImage &canvas) : QPainter(&canvas)
{
    // Whole pixels across and down: the few hundredths by which the two
    // directions differ are invisible, a border cut in half is not.
    scale(canvas.width() / qreal(kCardWidthPx), canvas.height() / qreal(kCardHeightPx));
}

QPainterPath cardOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, kCardWidthPx - 1, kCardHeightPx - 1), 5, 5);
    return path;
}

QList<QPointF> pipLayout(int pips)
{
    const QPointF topL(kLeft, kTop), topR(kRight, kTop), botL(kLeft, kBottom), botR(kRight, kBottom);
    const QPointF midL(kLeft, kCardMiddleY), midR(kRight, kCardMiddleY), centre(kMid, kCardMiddleY);
    const QPointF top(kMid, kTop), bottom(kMid, kBottom);
    const qreal third = rowAt(1.0 / 3), twoThirds = rowAt(2.0 / 3);
    switch (pips) {
    case 1: return {centre};
    case 2: return {top, bottom};
    case 3: return {top, centre, bottom};
    case 4: return {topL, topR, botL, botR};
    case 5: return {topL, topR, centre, botL, botR};
    case 6: return {topL, topR, midL, midR, botL, botR};
    case 7: return {topL, topR, QPointF(kMid, rowAt(0.25)), midL, midR, botL, botR};
    case 8:
        return {topL, topR, QPointF(kMid, rowAt(0.25)), midL, midR, QPointF(kMid, rowAt(0.75)), botL, botR};
    case 9:
        return {topL, topR, QPointF(kLeft, third), QPointF(kRight, third), centre,
                QPointF(kLeft, twoThirds), QPointF(kRight, twoThirds), botL, botR};
    case 10:
        return {topL, topR, QPointF(kMid, rowAt(1.0 / 6)), QPointF(kLeft, third), QPointF(kRight, third),
                QPointF(kLeft, twoThirds), QPointF(kRight, twoThirds), QPointF(kMid, rowAt(5.0 / 6)),
                botL, botR};
    default: return {};
    }
}

QImage renderFace(int k, qreal scale)
{
    if (k < 1 || k > kFaceCount)
        return {};
    const int suit = (k - 1) / 13, num = (k - 1) % 13;
    QImage image = cardCanvas(scale);
    CardPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(110, 110, 118), 1));
    p.setBrush(Qt::white);
    p.drawPath(cardOutline());
    if (num >= 10)
        paintCourt(p, suit, num);
    else
        paintPips(p, suit, num);
    paintIndex(p, suit, num);
    p.translate(kCardWidthPx, kCardHeightPx);
    p.rotate(180);
    paintIndex(p, suit, num);
    return image;
}

} // namespace cardova::ui
