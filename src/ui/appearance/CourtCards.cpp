#include "ui/appearance/CourtCards.h"

#include "ui/appearance/SuitShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace cardova::ui {

namespace {
// The frame, in card pixels; the figure is drawn in frame coordinates.
constexpr qreal kFrameX = 14, kFrameY = 11, kFrameW = 43, kFrameH = 74;
constexpr qreal kHalf = kFrameH / 2;

const QColor kGold(226, 178, 48);
const QColor kSkin(250, 218, 182);
const QColor kInk(40, 30, 30);

struct CourtStyle {
    QColor robe;
    QColor trim;
    QColor hair;
};

CourtStyle styleFor(int suit, int num)
{
    const bool red = isRedSuit(suit);
    switch (num) {
    case 12: return {red ? QColor(172, 32, 44) : QColor(38, 62, 142), Qt::white,
                     red ? QColor(128, 74, 34) : QColor(205, 205, 210)};
    case 11: return {red ? QColor(44, 92, 164) : QColor(150, 36, 70), kGold, QColor(232, 190, 78)};
    default: return {red ? QColor(36, 120, 72) : QColor(186, 112, 26), kGold, QColor(112, 60, 26)};
    }
}

void paintRobe(QPainter &p, const CourtStyle &s, int suit, int num)
{
    QPainterPath robe;
    robe.moveTo(2, kHalf);
    robe.lineTo(4.5, 28);
    robe.quadTo(7.5, 21, 15, 20);
    robe.lineTo(28, 20);
    robe.quadTo(35.5, 21, 38.5, 28);
    robe.lineTo(41, kHalf);
    robe.closeSubpath();
    p.setPen(QPen(kInk, 0.7));
    p.setBrush(s.robe);
    p.drawPath(robe);
    // Collar: the King's ermine, gold for the others.
    QPolygonF collar({QPointF(15, 20), QPointF(21.5, 29), QPointF(28, 20)});
    p.setBrush(s.trim);
    p.drawPolygon(collar);
    if (num == 12) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (const QPointF &dot : {QPointF(18, 22), QPointF(21.5, 24.5), QPointF(25, 22)})
            p.drawEllipse(dot, 0.6, 0.9);
    }
    // A gold band down the front carrying the suit as a badge.
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(kGold);
    p.drawRect(QRectF(19, 29, 5, kHalf - 29 + 1));
    drawSuit(p, suit, QPointF(21.5, 33.2), 5.5);
    // Folds of the sleeves.
    p.setPen(QPen(s.robe.darker(150), 0.8));
    p.drawLine(QPointF(9, 26), QPointF(8, kHalf));
    p.drawLine(QPointF(34, 26), QPointF(35, kHalf));
}

void paintHead(QPainter &p, const CourtStyle &s, int num)
{
    p.setPen(QPen(kInk, 0.6));
    if (num == 11) { // long hair falls behind the Queen's face
        p.setBrush(s.hair);
        p.drawRoundedRect(QRectF(15, 8, 13, 14), 4, 4);
    }
    p.setBrush(kSkin);
    p.drawRect(QRectF(19.5, 16, 4, 5));
    p.drawEllipse(QPointF(21.5, 12.5), 5, 6);
    if (num == 12) { // the King's beard
        QPainterPath beard;
        beard.moveTo(16.6, 13);
        beard.quadTo(17, 19.5, 21.5, 21.5);
        beard.quadTo(26, 19.5, 26.4, 13);
        beard.quadTo(21.5, 17.5, 16.6, 13);
        p.setBrush(s.hair);
        p.drawPath(beard);
    }
    if (num == 10) { // the Jack's curls
        p.setBrush(s.hair);
        p.drawEllipse(QPointF(16.6, 12), 1.8, 3);
        p.drawEllipse(QPointF(26.4, 12), 1.8, 3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(19.7, 11.8), 0.7, 0.7);
    p.drawEllipse(QPointF(23.3, 11.8), 0.7, 0.7);
    p.setPen(QPen(QColor(170, 60, 60), 0.7));
    p.drawLine(QPointF(20.5, 15.3), QPointF(22.5, 15.3));
}

void paintHeadgear(QPainter &p, const CourtStyle &s, int num)
{
    p.setPen(QPen(kInk, 0.6));
    if (num == 12) {
        QPolygonF crown({QPointF(15.5, 7.5), QPointF(15, 1.5), QPointF(18, 4.5), QPointF(21.5, 0.5),
                         QPointF(25, 4.5), QPointF(28, 1.5), QPointF(27.5, 7.5)});
        p.setBrush(kGold);
        p.drawPolygon(crown);
        p.setBrush(QColor(190, 30, 40));
        p.drawEllipse(QPointF(21.5, 5.5), 1.1, 1.1);
    } else if (num == 11) {
        QPainterPath tiara;
        tiara.moveTo(16, 7.5);
        tiara.quadTo(16, 2.5, 21.5, 2);
        tiara.quadTo(27, 2.5, 27, 7.5);
        tiara.closeSubpath();
        p.setBrush(kGold);
        p.drawPath(tiara);
        p.setBrush(QColor(40, 110, 200));
        p.drawEllipse(QPointF(21.5, 4.8), 1.2, 1.2);
    } else {
        QPainterPath cap;
        cap.moveTo(14.5, 8.5);
        cap.quadTo(15, 2, 22, 2.2);
        cap.quadTo(29.5, 2.5, 29, 8.5);
        cap.closeSubpath();
        p.setBrush(s.robe);
        p.drawPath(cap);
        QPainterPath feather;
        feather.moveTo(27, 4);
        feather.quadTo(34, 0, 37, 3);
        feather.quadTo(33, 3, 28, 6);
        feather.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(feather);
    }
}

void paintProp(QPainter &p, int num)
{
    p.setPen(QPen(kInk, 0.6));
    if (num == 12) { // a sword held upright
        p.setBrush(QColor(215, 220, 228));
        p.drawPolygon(QPolygonF({QPointF(35, 3), QPointF(36.3, 5), QPointF(36.3, 24), QPointF(33.7, 24),
                                 QPointF(33.7, 5)}));
        p.setBrush(kGold);
        p.drawRect(QRectF(31.5, 24, 7, 1.6));
        p.drawRect(QRectF(34.3, 25.6, 1.4, 4));
    } else if (num == 11) { // a flower
        p.setPen(QPen(QColor(40, 120, 50), 0.9));
        p.drawLine(QPointF(8, 31), QPointF(8.5, 21));
        p.setPen(QPen(kInk, 0.4));
        p.setBrush(QColor(220, 60, 90));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 72 * M_PI / 180;
            p.drawEllipse(QPointF(8.5 + 2 * std::sin(a), 19 - 2 * std::cos(a)), 1.5, 1.5);
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(8.5, 19), 1.1, 1.1);
    } else { // a halberd
        p.setPen(QPen(QColor(110, 70, 30), 1.2));
        p.drawLine(QPointF(36.5, 4), QPointF(36.5, kHalf));
        p.setPen(QPen(kInk, 0.5));
        p.setBrush(QColor(200, 205, 215));
        p.drawPolygon(QPolygonF({QPointF(36.5, 1), QPointF(40.5, 5), QPointF(36.5, 9), QPointF(33.5, 6)}));
    }
}

void paintHalf(QPainter &p, int suit, int num)
{
    const CourtStyle style = styleFor(suit, num);
    p.save();
    p.setClipRect(QRectF(0, 0, kFrameW, kHalf));
    p.fillRect(QRectF(0, 0, kFrameW, kHalf), QColor(252, 247, 232));
    // The figure sits a little below the frame's edge; its robe runs on
    // into the middle line, where the clip cuts it.
    p.translate(0, 2.5);
    paintRobe(p, style, suit, num);
    paintProp(p, num);
    paintHead(p, style, num);
    paintHeadgear(p, style, num);
    drawSuit(p, suit, QPointF(5.5, 6), 7);
    p.restore();
}
} // namespace

void paintCourt(QPainter &p, int suit, int num)
{
    p.save();
    p.translate(kFrameX, kFrameY);
    paintHalf(p, suit, num);
    p.save();
    p.translate(kFrameW, kFrameH);
    p.rotate(180);
    paintHalf(p, suit, num);
    p.restore();
    // The frame and the line between the two halves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(suitColor(suit), 1));
    p.drawRect(QRectF(0, 0, kFrameW, kFrameH));
    p.setPen(QPen(kGold, 0.8));
    p.drawLine(QPointF(0.5, kHalf), QPointF(kFrameW - 0.5, kHalf));
    p.restore();
}

} // namespace cardova::ui
