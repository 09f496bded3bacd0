#pragma once
#include "engine/Moves.h"

#include <QString>
#include <optional>

namespace cardova {

class GameContext;

// Play without a mouse: a cursor walks the piles, one key picks the card
// under it and a second one drops it on the pile under the cursor, through
// the same Move a drop of the mouse makes.
class KeyboardPlay {
public:
    // Where the cursor may stand.
    enum class Spot { Stock, Waste, Foundation, Tableau, Reserve, Cell };
    struct Cursor {
        Spot spot = Spot::Tableau;
        int pile = 0;
        int pos = -1; // on a tableau pile: the card under the cursor, -1 empty
        bool operator==(const Cursor &) const = default;
    };

    explicit KeyboardPlay(GameContext &ctx) : ctx_(ctx) {}

    // Arrow keys: Left and Right go from pile to pile as the table reads,
    // through the piles the game has (stock, waste, free cells, foundations,
    // reserve, tableau, and round again); Up and Down go along the face-up
    // cards of a tableau pile.
    void left() { step(-1); }
    void right() { step(+1); }
    void up() { along(-1); }
    void down() { along(+1); }
    // Space or Enter. Nothing held: on the stock it turns it, elsewhere it
    // picks the card under the cursor (with the cards on it). A card held:
    // drops it on the pile under the cursor. True when cards moved.
    bool select();
    // Escape: lets go of the held card.
    void cancel();
    // Turns the stock (or the waste back when the stock is empty).
    bool turnStock();
    // Sends the card under the cursor (the top of its pile) to the first
    // foundation that takes it.
    bool sendHome();

    // The cursor shows from the first key until the mouse is used.
    bool visible() const { return visible_; }
    void hide();
    void show() { visible_ = true; }
    Cursor cursor() const;
    // The held card lives in the context's input state, so every command
    // that lets go of the mouse's card lets go of this one too.
    std::optional<Source> held() const;
    // The table card under the cursor, or -1 on an empty pile.
    int16_t cardUnderCursor() const;
    // "Seven of Hearts, pile 3", "Stock, empty": what a screen reader says.
    QString describe() const;

private:
    int pilesAt(Spot spot) const;
    int spots() const;
    Cursor cursorAt(int index) const;
    void step(int direction);
    void along(int direction);
    int firstFaceUp(int pile) const;
    std::optional<Source> sourceUnderCursor() const;

    GameContext &ctx_;
    int index_ = 0; // into the walking order
    int pos_ = -1;  // on a tableau pile; -1 means its top
    bool visible_ = false;
};

// The table area a cursor spot stands on.
int cellOf(KeyboardPlay::Spot spot);

} // namespace cardova
