#pragma once
// The program's own pictures outside the table: the application icon and
// the splash artwork, drawn with the card suits.
#include <QIcon>
#include <QPixmap>

namespace cardova::ui {

QIcon applicationIcon();
// A fan of three cards and the product name, `size` logical pixels.
QPixmap splashArtwork(const QSize &size, qreal dpr);

} // namespace cardova::ui
