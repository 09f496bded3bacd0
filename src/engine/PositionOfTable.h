#pragma once
#include "engine/Card.h"
#include "engine/Position.h"
#include "engine/Rules.h"

#include <array>

namespace cardova {

class cArray;

// The position the table holds now: every pile's cards as the slots list
// them, with the faces the cards show, and every turn-back of the waste the
// game allows still left: the caller that knows the log counts off the used ones.
Position positionOfTable(const cArray &table, const std::array<cCard, kDeckSize> &cards,
                         const Rules &rules);

// A card's code from the table's card object.
inline CardCode cardCodeOf(const cCard &card)
{
    return cardCode(card.Suit, card.Num, card.FaceMode == kFaceDown);
}

} // namespace cardova
