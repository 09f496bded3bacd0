#pragma once
#include "engine/Card.h"
#include "engine/Interfaces.h"
#include "engine/RuntimeRandom.h"
#include "rules/TableLayout.h"
#include "rules/cGames.h"

#include <array>
#include <cstdint>

namespace cardova {

// Move modes: how a move is recorded and what follows it.
enum MoveMode : int32_t {
    kModePlay = 0,     // player drop or automatic move
    kModeStock = 1,    // stock card turned onto the waste
    kModeRecycle = 2,  // waste card turned back into the stock
    kModeUncover = 3,  // a move that turned up the tableau card below it
    kModeLog = 4,      // undo, redo and replay
    kModeDeal = 5,     // the deal
};

constexpr int kPilesPerArea = 21;
constexpr int kSlotsPerPile = kDeckSize + 1;

using CardSprites = std::array<cCard, kDeckSize>;

// The table state: which card lies in which slot, the top of every pile and
// the shuffled deck, kept in step with the cards' own slot fields. It moves
// cards and animates them; what a move means (the log, automatic play, the
// win) is decided by the game driver above it.
class cArray : public ClosedCardCount {
public:
    cArray(const cGames &games, CardSprites &cards, RuntimeRandom &rng);
    // The table's own layout refers to the table itself.
    cArray(const cArray &) = delete;
    cArray &operator=(const cArray &) = delete;

    // Hot accessors, inline: rules and automatic play call them per move.
    int16_t GetTop(int cell, int pile) const
    {
        return inRange(cell, pile) ? TopPos_[cell][pile] : int16_t(-1);
    }
    int16_t GetPicID(int cell, int pile, int pos) const
    {
        if (!inRange(cell, pile) || pos < 0 || pos >= kSlotsPerPile)
            return -1;
        return Slots_[cell][pile][pos];
    }
    // A pile's slots, bottom first, for readers that walk whole piles; the
    // cell and pile must be in range.
    const int16_t *pileSlots(int cell, int pile) const { return Slots_[cell][pile]; }
    // Callers make sure the pile is not empty; an empty one gives -1.
    int16_t GetTopPicID(int cell, int pile) const { return GetPicID(cell, pile, GetTop(cell, pile)); }
    int16_t GetRandom(int i) const { return (i >= 0 && i < kDeckSize) ? Deck_[i] : int16_t(-1); }

    // Empties every slot and shuffles the deck for a game number.
    void Init(double gameNo);
    void RandomInit(double gameNo);
    // Empties every slot without shuffling (the table between games).
    void Clear();

    int16_t TotalGoalCards() const;
    int16_t ClosedCards(int16_t pile) const override;
    int16_t PileCards(int16_t pile) const override;
    int16_t WasteCards() const override { return int16_t(TopPos_[kWaste][0] + 1); }
    // Puts every tableau and waste card back on its slot's coordinates,
    // which move when the room for the piles changes (and, for a fanned
    // waste, with its count). True when a card moved.
    bool LayOutTableau();

    // Where the cards lie: the layout of the window that shows the table,
    // or, with none (nullptr), the game's own spacing. The layout must
    // outlive its use here.
    void setLayout(const TableLayout *layout) { layout_ = layout ? layout : &ownLayout_; }
    const TableLayout &layout() const { return *layout_; }

    // The first step of a move: taking a tableau or reserve card turns up a
    // face-down card below it, and the move is then one that uncovered (tMod).
    void UncoverBelow(int16_t picId, int32_t &tMod);
    // Carries a card and the mCards cards lying on it to a slot, animated in
    // speed steps, and lays them face up (dFace 0) or down (1). No log, no
    // automatic play: the driver does those. The run travels together, in
    // its own stacking order: no card of it ever hides one lying on it.
    void PlaceRun(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                  int16_t speed, int16_t mCards, int32_t dFace);
    // A slot a card and mCards riders can be carried to.
    static bool validTarget(int dCell, int dPile, int dPos, int mCards)
    {
        return inRange(dCell, dPile) && dPos >= 0 && dPos + mCards < kSlotsPerPile;
    }
    // Lays a card straight into a slot, with no log, animation or automatic
    // play: for setting up a position. Slots below must be filled first.
    void PutCard(int16_t picId, int16_t cell, int16_t pile, int16_t pos);

    // Whoever shows the table: animation steps repaint through it.
    void setSurface(TableSurface *surface) { surface_ = surface; }
    void bringToFront(int16_t picId) { cards_[size_t(picId)].Z = ++zCounter_; }

    // The rank an empty foundation accepts in this deal.
    int16_t BaseNum = 0;

private:
    // Moves the `count` cards of `run` (bottom first) in `speed` steps from
    // where they stand to slots dPos, dPos + 1, ... of the pile, each step
    // shown; they are brought to the front in run order first.
    void glide(const int16_t *run, int count, int16_t dCell, int16_t dPile, int16_t dPos, int16_t speed);
    void PlaceCard(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                   int16_t speed, int32_t dFace);
    // Puts the cards of one pile on their slots' coordinates; true when one moved.
    bool layOutPile(int cell, int pile);
    static bool inRange(int cell, int pile) { return cell >= 0 && cell < kCellCount && pile >= 0 && pile < kPilesPerArea; }

    const cGames &games_;
    CardSprites &cards_;
    RuntimeRandom &rng_;
    TableSurface *surface_ = nullptr;
    TableLayout ownLayout_;
    const TableLayout *layout_ = &ownLayout_;
    int64_t zCounter_ = 0;
    int16_t Slots_[kCellCount][kPilesPerArea][kSlotsPerPile];
    int16_t TopPos_[kCellCount][kPilesPerArea];
    int16_t Deck_[kSlotsPerPile];
};

} // namespace cardova
