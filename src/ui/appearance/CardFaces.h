#pragma once
// The 52 card faces: white cards with rounded, transparent corners, a rank
// and suit index in two opposite corners and the pips or a court figure.
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace cardova::ui {

constexpr int kCardWidthPx = 71;  // logical pixels (1065 table units)
constexpr int kCardHeightPx = 96; // logical pixels (1440 table units)
constexpr int kFaceCount = 52;

// A transparent card-sized image at `dpr`, ready to paint in logical pixels.
QImage cardCanvas(qreal dpr);
// The card's rounded outline.
QPainterPath cardOutline();

// Centres of the pips of an Ace (1) to a Ten (10), in logical pixels; a pip
// below the middle of the card is drawn upside down.
QList<QPointF> pipLayout(int pips);
constexpr qreal kCardMiddleY = kCardHeightPx / 2.0;

// Face k = suit * 13 + num + 1 (1..52); a null image for any other k.
QImage renderFace(int k, qreal dpr);

} // namespace cardova::ui
