#pragma once
// Where the cards of a table on screen lie: the game's own slot coordinates
// (cGames::GetCordX, GetCordY), except that a tableau pile with too little
// room below it fans its face-up cards closer, and a waste that turns
// several cards at a time fans its top ones. The room is the window's
// business, so it is kept here, beside the table, never in the game's rules.
#include "rules/cGames.h"

namespace cardova {

class TableLayout {
public:
    // The table counts the cards of each tableau pile; both must outlive
    // the layout.
    TableLayout(const cGames &games, const ClosedCardCount &table) : games_(games), table_(table) {}

    // The lowest edge a tableau card may reach, in table units; a pile that
    // would pass it fans its face-up cards closer (not below kMinOpenFan).
    // 0, the default, leaves every pile at the game's own spacing.
    void setTableauBottom(int bottom) { tableauBottom_ = bottom > 0 ? bottom : 0; }
    int tableauBottom() const { return tableauBottom_; }

    // Top-left corner of a card lying in a slot, in table units.
    int16_t slotX(int cell, int pile, int pos) const;
    int16_t slotY(int cell, int pile, int pos) const;

    // Cards a waste shows fanned to the right: as many as a stock turn
    // brings, the top one rightmost. 1 where nothing fans.
    static int wasteFanCards(const cGames &games);

private:
    // Where the fan of a waste with its top cards fanned puts card `pos`:
    // the first fanned card's slot and the card's place in the fan; false
    // for a card below the fan or a waste that does not fan.
    bool wasteFanSlot(int pos, int *first, int *index) const;
    // Offset between the face-up cards of a tableau pile whose card `pos`
    // lies on `closed` face-down cards, the first face-up one at
    // `firstOpenTop`.
    int openFan(int pile, int pos, int closed, int firstOpenTop) const;

    const cGames &games_;
    const ClosedCardCount &table_;
    int tableauBottom_ = 0;
};

} // namespace cardova
