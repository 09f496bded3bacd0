#include "ContactSheet.h"

#include <QPainter>

namespace {
constexpr int kGap = 10;
constexpr int kLabel = 16;
} // namespace

ContactSheet::ContactSheet(int columns, int count, QSize cell, qreal dpr, const QColor &paper)
    : columns_(columns), cell_(cell)
{
    const int rows = (count + columns - 1) / columns;
    const QSize logical(kGap + columns * (cell.width() + kGap), kGap + rows * (cell.height() + kLabel + kGap));
    image_ = QImage(logical * dpr, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    image_.fill(paper);
}

QPoint ContactSheet::origin(int index) const
{
    return {kGap + (index % columns_) * (cell_.width() + kGap),
            kGap + (index / columns_) * (cell_.height() + kLabel + kGap)};
}

void ContactSheet::label(int index, const QString &text)
{
    QPainter p(&image_);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(235, 235, 235));
    const QPoint o = origin(index);
    p.drawText(QRect(o.x(), o.y() + cell_.height(), cell_.width(), kLabel), Qt::AlignCenter, text);
}

void ContactSheet::place(int index, const QPixmap &picture, const QString &text)
{
    {
        QPainter p(&image_);
        p.drawPixmap(origin(index), picture);
    }
    label(index, text);
}

void ContactSheet::placeTiled(int index, const QPixmap &tile, const QString &text)
{
    {
        QPainter p(&image_);
        p.setClipRect(QRect(origin(index), cell_));
        p.drawTiledPixmap(QRect(origin(index), cell_), tile);
    }
    label(index, text);
}
