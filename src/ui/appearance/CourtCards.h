#pragma once
// Jack, Queen and King: a framed, double-ended half-figure of the project's
// own design, with crown, cap or tiara, a robe in the court's colours and
// the suit as a badge.
class QPainter;

namespace cardova::ui {

// Paints the court picture of rank `num` (10 Jack, 11 Queen, 12 King) and
// `suit` on a card already filled white.
void paintCourt(QPainter &painter, int suit, int num);

} // namespace cardova::ui
