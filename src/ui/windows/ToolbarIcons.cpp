#include "ui/windows/ToolbarIcons.h"

#include "ui/appearance/PaintedIcon.h"
#include "ui/appearance/SuitShapes.h"

#include <QPainter>
#include <QPainterPath>

namespace cardova::ui {

namespace {
const QColor kInk(40, 60, 90);
const QColor kAccent(30, 130, 60);
constexpr int kDesignSide = 24;

void card(QPainter &p, const QRectF &r, int suit)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    drawSuit(p, suit, r.center(), r.height() * 0.45);
}

void arrow(QPainter &p, bool right, qreal y = 12)
{
    QPainterPath path;
    path.moveTo(right ? 5 : 19, y);
    path.lineTo(right ? 17 : 7, y);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPolygonF head;
    if (right)
        head << QPointF(14, y - 5) << QPointF(20, y) << QPointF(14, y + 5);
    else
        head << QPointF(10, y - 5) << QPointF(4, y) << QPointF(10, y + 5);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

void curvedArrow(QPainter &p, bool clockwise)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(5, 5, 14, 14), clockwise ? 160 : 20);
    path.arcTo(QRectF(5, 5, 14, 14), clockwise ? 160 : 20, clockwise ? -250 : 250);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    const QPointF tip = path.currentPosition();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal dir = clockwise ? -1 : 1;
    p.drawPolygon(QPolygonF{tip + QPointF(-4 * dir, -3), tip + QPointF(3 * dir, 0), tip + QPointF(-4 * dir, 4)});
}

void drawKey(QPainter &p, const QString &key)
{
    if (key == QLatin1String("New")) {
        card(p, QRectF(4, 3, 12, 17), 0);
        p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 13), QPointF(18, 21));
        p.drawLine(QPointF(14, 17), QPointF(22, 17));
    } else if (key == QLatin1String("Select")) {
        card(p, QRectF(3, 5, 11, 15), 3);
        card(p, QRectF(10, 3, 11, 15), 2);
    } else if (key == QLatin1String("Restart")) {
        curvedArrow(p, true);
    } else if (key == QLatin1String("Autoplay")) {
        card(p, QRectF(7, 6, 11, 15), 1);
        p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 5), QPointF(12, 1.5));
        p.drawLine(QPointF(9.5, 3.5), QPointF(12, 1.5));
        p.drawLine(QPointF(14.5, 3.5), QPointF(12, 1.5));
    } else if (key == QLatin1String("Undo")) {
        curvedArrow(p, false);
    } else if (key == QLatin1String("Redo")) {
        curvedArrow(p, true);
    } else if (key == QLatin1String("Back")) {
        arrow(p, false);
        p.fillRect(QRectF(3, 6, 2.5, 12), kInk);
    } else if (key == QLatin1String("Forward")) {
        arrow(p, true);
        p.fillRect(QRectF(19, 6, 2.5, 12), kInk);
    } else if (key == QLatin1String("ReplayStop")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 40, 40));
        p.drawRoundedRect(QRectF(6, 6, 12, 12), 2, 2);
    } else if (key == QLatin1String("Statistics")) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(4, 12, 4, 8));
        p.setBrush(kInk);
        p.drawRect(QRectF(10, 6, 4, 14));
        p.setBrush(QColor(180, 60, 40));
        p.drawRect(QRectF(16, 9, 4, 11));
    } else if (key == QLatin1String("Hint")) {
        // A light bulb.
        p.setPen(QPen(kInk, 1.4));
        p.setBrush(QColor(255, 214, 70));
        p.drawEllipse(QRectF(6, 2, 12, 12));
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(9, 14, 6, 6), 1.5, 1.5);
        p.drawLine(QPointF(10, 22), QPointF(14, 22));
    } else if (key == QLatin1String("Help")) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        QFont f = p.font();
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
    }
}

} // namespace

QIcon ToolbarIcons::icon(const QString &key)
{
    // The pictures are designed on a 24-pixel square.
    return paintedIcon(
        [key](QPainter &p, qreal side) {
            p.scale(side / kDesignSide, side / kDesignSide);
            drawKey(p, key);
        },
        {QSize(kDesignSide, kDesignSide)});
}

} // namespace cardova::ui
