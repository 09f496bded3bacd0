#include "ui/windows/AppIcon.h"

#include "ui/appearance/PaintedIcon.h"
#include "ui/appearance/SuitShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace cardova::ui {

namespace {
// One small card: white with a thin border, a suit in its middle and a
// small one in its top corner.
void drawCard(QPainter &p, const QRectF &r, int suit, qreal angle)
{
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    const QRectF card(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    QPainterPath outline;
    outline.addRoundedRect(card, r.width() * 0.12, r.width() * 0.12);
    p.setPen(QPen(QColor(60, 60, 60), qMax<qreal>(1.0, r.width() / 24)));
    p.setBrush(Qt::white);
    p.drawPath(outline);
    drawSuit(p, suit, QPointF(0, 0), r.height() * 0.42);
    if (r.width() > 40)
        drawSuit(p, suit, QPointF(card.left() + r.width() * 0.16, card.top() + r.height() * 0.14), r.height() * 0.12);
    p.restore();
}

// Two cards leaning on each other, filling a square of `size` pixels.
void paintIcon(QPainter &p, qreal size)
{
    const qreal w = size * 0.52, h = size * 0.70;
    drawCard(p, QRectF(size * 0.08, size * 0.16, w, h), 1, -12);
    drawCard(p, QRectF(size * 0.40, size * 0.12, w, h), 0, 10);
}
} // namespace

QIcon applicationIcon()
{
    // The sizes a window system takes from a window; larger pictures of the
    // program come from its installed scalable icon.
    static const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    return paintedIcon(paintIcon, sizes);
}

void paintSplashArtwork(QPainter &p, const QSize &size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient felt(0, 0, 0, size.height());
    felt.setColorAt(0, QColor(0, 110, 40));
    felt.setColorAt(1, QColor(0, 40, 15));
    p.fillRect(QRect(QPoint(0, 0), size), felt);

    // A hand of four cards fanned around a point below them, so every
    // card's suit shows.
    const qreal h = size.height() * 0.5, w = h * 71.0 / 96.0;
    const QPointF pivot(size.width() * 0.25, size.height() * 0.98);
    const int suits[] = {3, 2, 1, 0};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate((i - 1.5) * 16);
        p.translate(-pivot);
        drawCard(p, QRectF(pivot.x() - w / 2, pivot.y() - h * 1.55, w, h), suits[i], 0);
        p.restore();
    }

    QFont title = p.font();
    title.setPixelSize(int(size.height() * 0.2));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(250, 240, 200));
    const QRectF text(size.width() * 0.48, 0, size.width() * 0.5, size.height() * 0.7);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Cardova"));
    QFont sub = p.font();
    sub.setPixelSize(int(size.height() * 0.07));
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(210, 230, 210));
    p.drawText(QRectF(size.width() * 0.485, size.height() * 0.72, size.width() * 0.5, size.height() * 0.2),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Patience, your way"));
    p.restore();
}

} // namespace cardova::ui
