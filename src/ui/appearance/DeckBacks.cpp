#include "ui/appearance/DeckBacks.h"

#include "ui/appearance/BackDesigns.h"
#include "ui/appearance/CardFaces.h"

#include <QPainter>

namespace cardova::ui {

namespace {
const int kDeckIds[] = {501, 502, 503, 511, 512, 521, 522, 523, 531, 532, 533, 541, 542, 543, 544, 545};
// The design sits inside a white margin, as on printed cards.
const QRectF kDesignArea(4, 4, kCardWidthPx - 8, kCardHeightPx - 8);
} // namespace

bool isDeckId(int id)
{
    for (int d : kDeckIds)
        if (d == id)
            return true;
    return false;
}

QList<int> deckIds()
{
    QList<int> ids;
    for (int d : kDeckIds)
        ids.append(d);
    return ids;
}

QImage renderBack(int id, qreal scale)
{
    if (!isDeckId(id))
        return {};
    QImage image = cardCanvas(scale);
    CardPainter p(image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 118), 1));
    p.setBrush(Qt::white);
    p.drawPath(cardOutline());
    QPainterPath area;
    area.addRoundedRect(kDesignArea, 3, 3);
    p.save();
    p.setClipPath(area);
    paintBackDesign(p, id, kDesignArea);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
    p.drawPath(area);
    return image;
}

} // namespace cardova::ui
