#include "ui/appearance/Appearance.h"

#include "settings/cData.h"
#include "ui/appearance/Background.h"
#include "ui/appearance/BackgroundTiles.h"
#include "ui/appearance/CardFaces.h"
#include "ui/appearance/DeckBacks.h"
#include "ui/appearance/PileMarks.h"

#include <QPaintDevice>
#include <QPainter>

namespace cardova::ui {

namespace {
// The table and the customise previews ask for a handful of sizes; more
// than this means the window is being resized, so old sizes are dropped.
constexpr int kBackgroundCacheSize = 6;
// Tiled backgrounds differ by zoom in steps this fine.
constexpr int kZoomKeySteps = 1000;

QImage renderPicture(int id, qreal dpr) { return isDeckId(id) ? renderBack(id, dpr) : renderTile(id, dpr); }
} // namespace

Appearance::Appearance(const cData &data, qreal devicePixelRatio)
    : data_(data), dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
{
}

void Appearance::setDevicePixelRatio(qreal dpr)
{
    if (dpr <= 0 || qFuzzyCompare(dpr, dpr_))
        return;
    dpr_ = dpr;
    clearCaches();
}

void Appearance::clearCaches()
{
    faces_.clear();
    pictures_.clear();
    marks_.clear();
    backgrounds_.clear();
}

QPixmap Appearance::MainPic(int k, qreal zoom) const { return faces_.get(k, dpr_ * zoom, dpr_, renderFace); }

void Appearance::prepare(const QList<int> &ks, const QList<int> &ms, qreal zoom) const
{
    faces_.prepare(ks, dpr_ * zoom, dpr_, renderFace);
    marks_.prepare(ms, dpr_ * zoom, dpr_, renderMark);
}

QPixmap Appearance::GetPic(int id, qreal zoom) const { return pictures_.get(id, dpr_ * zoom, dpr_, renderPicture); }

QPixmap Appearance::DeckPic(qreal zoom) const
{
    const int id = data_.DeckIndex();
    return GetPic(isDeckId(id) ? id : kDefaultDeck, zoom);
}

QPixmap Appearance::RightPic(int m, qreal zoom) const { return marks_.get(m, dpr_ * zoom, dpr_, renderMark); }

QPixmap Appearance::background(int ind, const QSize &size, int fade, int64_t customColor, qreal zoom) const
{
    if (size.isEmpty())
        return {};
    const BackgroundChoice choice = resolveBackground(ind, customColor);
    const QString key = choice.tiled ? QStringLiteral("t%1/%2x%3/%4")
                                           .arg(choice.tileId)
                                           .arg(size.width())
                                           .arg(size.height())
                                           .arg(qRound(zoom * kZoomKeySteps))
                                     : QStringLiteral("c%1/%2/%3x%4")
                                           .arg(choice.colour)
                                           .arg(fade == 1)
                                           .arg(size.width())
                                           .arg(size.height());
    if (const auto it = backgrounds_.constFind(key); it != backgrounds_.constEnd())
        return *it;
    QPixmap pixmap(qRound(size.width() * dpr_), qRound(size.height() * dpr_));
    pixmap.setDevicePixelRatio(dpr_);
    {
        QPainter p(&pixmap);
        const QRect area(QPoint(0, 0), size);
        if (choice.tiled)
            TilePicture(p, area, GetPic(choice.tileId, zoom));
        else
            PaintGradient(p, area, choice.colour, fade);
    }
    if (backgrounds_.size() >= kBackgroundCacheSize)
        backgrounds_.clear();
    backgrounds_.insert(key, pixmap);
    return pixmap;
}

void Appearance::SetBG(int ind, QPainter &painter, const QSize &size, int fade, int64_t customColor) const
{
    painter.drawPixmap(QPoint(0, 0), background(ind, size, fade, customColor));
}

void Appearance::SetBG(int ind, QPaintDevice &device, int fade, int64_t customColor) const
{
    // Pixmaps and images count device pixels; widgets count logical ones.
    const bool pixels = device.devType() == QInternal::Pixmap || device.devType() == QInternal::Image;
    const qreal scale = pixels ? device.devicePixelRatioF() : 1.0;
    const QSize size(qRound(device.width() / scale), qRound(device.height() / scale));
    QPainter painter(&device);
    SetBG(ind, painter, size, fade, customColor);
}

QPixmap Appearance::tableBackground(const QSize &size, qreal zoom) const
{
    return background(data_.BGIndex(), size, data_.Fade(), data_.CustomColor(), zoom);
}

void Appearance::paintTableBackground(QPainter &painter, const QRect &area, const QRect &only, qreal zoom) const
{
    const BackgroundChoice choice = resolveBackground(data_.BGIndex(), data_.CustomColor());
    if (choice.tiled)
        TilePicture(painter, area, GetPic(choice.tileId, zoom), only);
    else
        PaintGradient(painter, area, choice.colour, data_.Fade(), only);
}

QPixmap Appearance::invertedCard(const QPixmap &card)
{
    if (card.isNull())
        return {};
    // Straight (not premultiplied) alpha, so inverting the colour channels
    // leaves the transparency untouched.
    QImage image = card.toImage().convertToFormat(QImage::Format_ARGB32);
    image.invertPixels(QImage::InvertRgb);
    QPixmap inverted = QPixmap::fromImage(image);
    inverted.setDevicePixelRatio(card.devicePixelRatio());
    return inverted;
}

} // namespace cardova::ui
