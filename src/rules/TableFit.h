#pragma once
// How large the table can be drawn in a window: the area the game's cards
// cover in a typical game, and the zoom and place that fit it into a window.
#include "rules/cGames.h"

namespace cardova {

// Drawing scale limits: a tiny window still shows a playable table, a huge
// one does not blow the cards up past sense. The widest table a game lays
// out (ten piles beside a reserve) fits the smallest window at the
// smallest zoom, cards whole.
constexpr double kMinZoom = 0.35;
constexpr double kMaxZoom = 4.0;
// Free table around the cards, in table units.
constexpr int kTableMargin = 240;
// Face-up cards of a tableau pile that the table keeps room for before
// play: a typical game rarely builds longer, and a pile that does fans its
// cards closer. Keeping room for the longest pile a game could ever build
// (with some building orders the whole deck) would shrink every card for
// a pile that hardly ever occurs.
constexpr int kTypicalOpenCards = 8;

// The face-down and face-up cards of a tableau pile.
struct PileCards {
    int closed = 0;
    int open = 0;
};
// The pile the table keeps room for: the cards dealt face down under the
// last pile's top card, then kTypicalOpenCards face up.
PileCards typicalTableauPile(const cGames &games);

// A rectangle in table units.
struct TableBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
// Every pile base of the game, the deepest stock and waste, and the typical
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
// The cards keep their size as long as squeezing the typical pile's face-up
// cards to kMinOpenFan makes the table fit; only then do they shrink. With
// `table`, a pile that grew so long that it passes the window's bottom even
// at that spacing shrinks them too, just enough, and the table stays where
// it was centred.
TableFit fitTable(const cGames &games, double width, double height, const ClosedCardCount *table = nullptr);
// The table (the box of the typical pile at the closest spacing) centred in
// the area at a zoom of the caller's choosing.
TableFit centreTable(const cGames &games, double zoom, double width, double height);

} // namespace cardova
