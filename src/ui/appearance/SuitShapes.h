#pragma once
// The four suit symbols as vector outlines (fonts may lack the glyphs).
// Suit codes: 0 hearts, 1 spades, 2 diamonds, 3 clubs.
#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace cardova::ui {

// Outline of a suit inside the square (-0.5, -0.5)-(0.5, 0.5), point up.
const QPainterPath &suitPath(int suit);
// Red for hearts and diamonds, black for spades and clubs.
QColor suitColor(int suit);
bool isRedSuit(int suit);
// A filled suit symbol `size` pixels high centred on `centre`, turned half
// round when `upsideDown`.
void drawSuit(QPainter &painter, int suit, QPointF centre, qreal size, bool upsideDown = false);

} // namespace cardova::ui
