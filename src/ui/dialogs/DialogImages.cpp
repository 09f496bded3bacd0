#include "ui/dialogs/DialogImages.h"

#include "ui/appearance/PaintedIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace cardova::ui {

namespace {
// Draws one picture at the size it is shown, in lists and window frames
// alike. The painter works in a 32 x 32 box either way.
QIcon drawn(const std::function<void(QPainter &)> &paint)
{
    return paintedIcon(
        [paint](QPainter &p, qreal side) {
            p.scale(side / 32.0, side / 32.0);
            paint(p);
        },
        {QSize(16, 16), QSize(32, 32), QSize(64, 64)});
}

void card(QPainter &p, const QRectF &r, const QColor &face)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(face);
    p.drawRoundedRect(r, 3, 3);
}

void spade(QPainter &p, const QPointF &c, qreal s, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - s);
    path.cubicTo(c.x() + s * 1.2, c.y() - s * 0.1, c.x() + s * 0.9, c.y() + s * 0.9, c.x(), c.y() + s * 0.3);
    path.cubicTo(c.x() - s * 0.9, c.y() + s * 0.9, c.x() - s * 1.2, c.y() - s * 0.1, c.x(), c.y() - s);
    path.moveTo(c.x(), c.y() + s * 0.2);
    path.lineTo(c.x() + s * 0.35, c.y() + s * 1.05);
    path.lineTo(c.x() - s * 0.35, c.y() + s * 1.05);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void heart(QPainter &p, const QPointF &c, qreal s, const QColor &colour)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s);
    path.cubicTo(c.x() - s * 1.4, c.y() - s * 0.1, c.x() - s * 0.6, c.y() - s * 1.2, c.x(), c.y() - s * 0.4);
    path.cubicTo(c.x() + s * 0.6, c.y() - s * 1.2, c.x() + s * 1.4, c.y() - s * 0.1, c.x(), c.y() + s);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}
} // namespace

QIcon windowIconImage()
{
    const QIcon app = QApplication::windowIcon();
    if (!app.isNull() && !app.availableSizes().isEmpty())
        return app;
    static const QIcon own = drawn([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 96, 48));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
        card(p, QRectF(8, 4, 17, 24), Qt::white);
        spade(p, QPointF(16.5, 14.5), 6, QColor(20, 20, 20));
    });
    return own;
}

QIcon groupImage()
{
    static const QIcon icon = drawn([](QPainter &p) {
        p.setPen(QPen(QColor(150, 110, 30), 1.2));
        p.setBrush(QColor(240, 200, 90));
        QPainterPath path;
        path.moveTo(3, 8);
        path.lineTo(12, 8);
        path.lineTo(15, 11);
        path.lineTo(29, 11);
        path.lineTo(29, 27);
        path.lineTo(3, 27);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(QColor(250, 220, 120));
        p.drawRect(QRectF(3, 14, 26, 13));
    });
    return icon;
}

QIcon gameImage()
{
    static const QIcon icon = drawn([](QPainter &p) {
        p.save();
        p.translate(14, 17);
        p.rotate(-14);
        card(p, QRectF(-9, -12, 16, 23), QColor(40, 80, 160));
        p.restore();
        p.save();
        p.translate(18, 16);
        p.rotate(10);
        card(p, QRectF(-8, -12, 16, 23), Qt::white);
        heart(p, QPointF(0, -1), 5, QColor(200, 30, 30));
        p.restore();
    });
    return icon;
}

QIcon playerImage()
{
    static const QIcon icon = drawn([](QPainter &p) {
        p.setPen(QPen(QColor(30, 60, 110), 1.2));
        p.setBrush(QColor(90, 140, 210));
        p.drawEllipse(QRectF(10, 3, 12, 12));
        QPainterPath body;
        body.moveTo(4, 29);
        body.cubicTo(4, 18, 10, 16, 16, 16);
        body.cubicTo(22, 16, 28, 18, 28, 29);
        body.closeSubpath();
        p.drawPath(body);
    });
    return icon;
}

void applyWindowIcon(QWidget &dialog) { dialog.setWindowIcon(windowIconImage()); }

} // namespace cardova::ui
