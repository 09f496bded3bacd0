#pragma once
// The card backs ("decks"): 501-503 "Flowers", 511-512 "Garden",
// 521-523 "Geometry", 531-533 "Misc", 541-544 "Nature", and 545, which
// exists but is not offered.
#include <QImage>
#include <QList>

namespace cardova::ui {

constexpr int kDefaultDeck = 531;

bool isDeckId(int id);
QList<int> deckIds(); // every back, 545 included
// The back `id` at `scale` pixels per design pixel; a null image when `id` is not a back.
QImage renderBack(int id, qreal scale);

} // namespace cardova::ui
