#pragma once
// How large the table can be drawn in a window: the area the game's cards
// can ever cover, and the zoom and place that fit it into a window.
#include "rules/cGames.h"

namespace cardova {

// Drawing scale limits: a tiny window still shows a playable table, a huge
// one does not blow the cards up past sense.
constexpr double kMinZoom = 0.5;
constexpr double kMaxZoom = 4.0;
// Free table around the cards, in table units.
constexpr int kTableMargin = 240;

// The tallest tableau pile the game can build: the cards dealt under the
// last pile's top card, then the longest run its building order allows.
struct LongestPile {
    int closed = 0; // face down
    int open = 0;   // face up
};
LongestPile longestTableauPile(const cGames &games);

// A rectangle in table units.
struct TableBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
// Every pile base of the game, the deepest stock and waste, and the longest
// tableau pile fanned `openFan` apart, with kTableMargin around them.
TableBox tableBox(const cGames &games, int openFan);

// Where the table goes in a window area of `width` x `height` table units
// at 100 %: table point (x, y) shows at area point ((x + originX) * zoom,
// (y + originY) * zoom); tableau cards reach down to tableauBottom.
struct TableFit {
    double zoom = 1.0;
    double originX = 0;
    double originY = 0;
    int tableauBottom = 0;
};
// The cards keep their size as long as squeezing the longest pile's face-up
// cards to kMinOpenFan makes the table fit; only then do they shrink.
TableFit fitTable(const cGames &games, double width, double height);
// The table centred in the area at a zoom of the caller's choosing.
TableFit centreTable(const cGames &games, double zoom, double width, double height);

} // namespace cardova
