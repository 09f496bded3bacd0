#pragma once
// The 52 card faces: white cards with rounded, transparent corners, a rank
// and suit index in two opposite corners and the pips or a court figure.
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>


namespace cardova::ui {

constexpr int kCardWidthPx = 71;  // logical pixels (1065 table units)
constexpr int kCardHeightPx = 96; // logical pixels (1440 table units)
constexpr int kFaceCount = 52;

// A transparent card-sized image of `scale` pixels per design pixel.
QImage cardCanvas(qreal scale);
// Paints on a card canvas in design pixels: the card's outline meets the
// image's last row and column at every scale. (A painter on its own scales
// an image by its pixel ratio only from 1 up, so a card drawn smaller than
// its design size would lose its right and bottom edges.)
class CardPainter : public QPainter {
public:
    explicit CardPainter(QImage &canvas);
};
// The card's rounded outline.
QPainterPath cardOutline();

// Centres of the pips of an Ace (1) to a Ten (10), in logical pixels; a pip
// below the middle of the card is drawn upside down.
QList<QPointF> pipLayout(int pips);
constexpr qreal kCardMiddleY = kCardHeightPx / 2.0;

// Face k = suit * 13 + num + 1 (1..52); a null image for any other k.
QImage renderFace(int k, qreal scale);

} // namespace cardova::ui
