#pragma once
// The table's pictures: card faces, deck backs, background tiles and
// colours, and the empty-pile marks, drawn at a zoom times the screen's
// device pixel ratio and kept in caches for the few zooms in use. The settings (BGIndex, DeckIndex, Fade,
// CustomColor) are read from cData when a picture is asked for.
#include "ui/appearance/ScaledCache.h"

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <type_traits>

class QPainter;
class QPaintDevice;

namespace cardova {
class cData;
}

namespace cardova::ui {

class Appearance {
public:
    explicit Appearance(const cData &data, qreal devicePixelRatio = 1.0);

    qreal devicePixelRatio() const { return dpr_; }
    // Drops every cached picture when the ratio changes (a window moved to
    // another screen).
    void setDevicePixelRatio(qreal dpr);
    void clearCaches();

    // Every picture comes at a zoom: 1 is its design size, 2 twice as
    // large, always rendered for the size it is shown at, never stretched.
    // Card face k = Suit * 13 + Num + 1, 1..52; a null pixmap otherwise.
    QPixmap MainPic(int k, qreal zoom = 1.0) const;
    // Draws the faces `ks` and marks `ms` at `zoom` together, ahead of
    // MainPic and RightPic asking.
    void prepare(const QList<int> &ks, const QList<int> &ms, qreal zoom) const;
    // A background tile (1-73) or a deck back (501-545); null otherwise.
    QPixmap GetPic(int id, qreal zoom = 1.0) const;
    // The back of the stored DeckIndex; the default back 531 when the
    // stored index names no back.
    QPixmap DeckPic(qreal zoom = 1.0) const;
    // Empty-pile mark m, 0..16; null otherwise.
    QPixmap RightPic(int m, qreal zoom = 1.0) const;

    // Background `ind` (a tile id, 1000 custom colour, 1001-1025 named
    // colour; anything else the default dark green) over `size` logical
    // pixels, tiles drawn at `zoom`, cached for the last few requests.
    QPixmap background(int ind, const QSize &size, int fade, int64_t customColor, qreal zoom = 1.0) const;
    // Paints that background at the painter's origin.
    void SetBG(int ind, QPainter &painter, const QSize &size, int fade, int64_t customColor) const;
    // Paints it over a whole device: a pixmap or image, or a widget from
    // inside its paintEvent.
    void SetBG(int ind, QPaintDevice &device, int fade, int64_t customColor) const;
    // The stored background choice (BGIndex, Fade, CustomColor) over `size`.
    QPixmap tableBackground(const QSize &size, qreal zoom = 1.0) const;
    // Paints the stored choice over `area` straight onto a window, only
    // within `only`: a picture of the whole table would be one more
    // window-sized block of memory for the whole run.
    void paintTableBackground(QPainter &painter, const QRect &area, const QRect &only, qreal zoom = 1.0) const;
    // Backgrounds held for reuse (the customise previews' few sizes).
    int backgroundsHeld() const { return int(backgrounds_.size()); }
    // Faces, backs, tiles and marks drawn and held, at every size.
    int picturesHeld() const { return faces_.pictureCount() + pictures_.pictureCount() + marks_.pictureCount(); }

    // Gives every sprite of `sprites` the back DeckPic(); each element (or
    // the object it points to) must have DeckPic(const QPixmap &).
    template <typename Sprites>
    void ApplyDeckBack(Sprites &sprites, qreal zoom = 1.0) const
    {
        const QPixmap back = DeckPic(zoom);
        for (auto &sprite : sprites) {
            if constexpr (std::is_pointer_v<std::remove_reference_t<decltype(sprite)>>)
                sprite->DeckPic(back);
            else
                sprite.DeckPic(back);
        }
    }

    // A selected face-up card: every pixel's colour inverted, transparency
    // kept, so the rounded corners stay see-through.
    static QPixmap invertedCard(const QPixmap &card);

private:
    const cData &data_;
    qreal dpr_;
    mutable ScaledCache faces_;
    mutable ScaledCache pictures_;
    mutable ScaledCache marks_;
    mutable QHash<QString, QPixmap> backgrounds_;
};

} // namespace cardova::ui
