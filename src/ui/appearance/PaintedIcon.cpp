#include "ui/appearance/PaintedIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace cardova::ui {

namespace {
class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(IconPainter paint, QList<QSize> sizes) : paint_(std::move(paint)), sizes_(std::move(sizes)) {}

    QIconEngine *clone() const override { return new PaintedIconEngine(paint_, sizes_); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels; `scale` is the screen's ratio of device
    // pixels to logical ones, so the picture is drawn for size / scale.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        const qreal ratio = scale > 0 ? scale : 1.0;
        QPixmap pm(side, side);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            paint_(p, side / ratio);
        }
        if (mode == QIcon::Normal || mode == QIcon::Active || !qApp)
            return pm;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pm, &option);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap pm = scaledPixmap(rect.size() * dpr, mode, state, dpr);
        const QSize shown = pm.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.center() - QPoint(shown.width() / 2, shown.height() / 2), shown), pm);
    }

private:
    IconPainter paint_;
    QList<QSize> sizes_;
};
} // namespace

QIcon paintedIcon(IconPainter paint, const QList<QSize> &sizes)
{
    return QIcon(new PaintedIconEngine(std::move(paint), sizes));
}

} // namespace cardova::ui
