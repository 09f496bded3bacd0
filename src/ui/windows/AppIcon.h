#pragma once
// The program's own pictures outside the table: the application icon and
// the splash artwork, drawn with the card suits.
#include <QIcon>
#include <QSize>

class QPainter;

namespace cardova::ui {

QIcon applicationIcon();
// A fan of four cards and the product name, over `size` logical pixels
// from the painter's origin.
void paintSplashArtwork(QPainter &p, const QSize &size);

} // namespace cardova::ui
