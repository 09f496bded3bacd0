#pragma once
#include "engine/MoveOrder.h"
#include "engine/Position.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>
#include <optional>

namespace cardova {

enum class MoveKind : uint8_t { Card, TurnStock, TurnWasteBack };
enum class SourceKind : uint8_t { Tableau, Waste, Foundation, Reserve, Cell };
enum class TargetKind : uint8_t { Tableau, Foundation, Cell };

// Where a moved card comes from: for the tableau, the pile and the position
// of the lowest card taken (the cards above it go along); for every other
// pile its top card, pos unused.
struct Source {
    SourceKind kind = SourceKind::Tableau;
    uint8_t pile = 0;
    uint8_t pos = 0;
    bool operator==(const Source &) const = default;
};

struct Target {
    TargetKind kind = TargetKind::Tableau;
    uint8_t pile = 0;
    bool operator==(const Target &) const = default;
};

// A player's move by name. Source and target mean something only for Card.
struct Move {
    MoveKind kind = MoveKind::Card;
    Source source;
    Target target;
    bool operator==(const Move &) const = default;

    static Move card(Source s, Target t) { return {MoveKind::Card, s, t}; }
    static Move turnStock() { return {MoveKind::TurnStock, {}, {}}; }
    static Move turnWasteBack() { return {MoveKind::TurnWasteBack, {}, {}}; }
};

// The position pile a source names.
constexpr int pileOfSource(const Source &s)
{
    switch (s.kind) {
    case SourceKind::Tableau: return PileIndex::tableau(s.pile);
    case SourceKind::Waste: return PileIndex::kWaste;
    case SourceKind::Foundation: return PileIndex::foundation(s.pile);
    case SourceKind::Reserve: return PileIndex::reserve(s.pile);
    case SourceKind::Cell: return PileIndex::cell(s.pile);
    }
    return PileIndex::kWaste;
}

// The position pile a target names.
constexpr int pileOfTarget(const Target &t)
{
    switch (t.kind) {
    case TargetKind::Tableau: return PileIndex::tableau(t.pile);
    case TargetKind::Foundation: return PileIndex::foundation(t.pile);
    case TargetKind::Cell: return PileIndex::cell(t.pile);
    }
    return PileIndex::tableau(t.pile);
}

// Every card can be the source of one move to each tableau pile, each
// foundation and each cell, plus the two stock moves.
constexpr int kMaxMoves = kPositionCards * (kMaxTableauPiles + kFoundationPiles + kMaxCells) + 2;

// A list of moves that lives on the stack.
class MoveList {
public:
    void clear() { count_ = 0; }
    void push(const Move &m) { moves_[size_t(count_++)] = m; }
    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const Move &operator[](int i) const { return moves_[size_t(i)]; }
    const Move *begin() const { return moves_.data(); }
    const Move *end() const { return moves_.data() + count_; }

private:
    std::array<Move, kMaxMoves> moves_;
    int count_ = 0;
};

// What undoing a move needs: the piles and cards it carried, how it
// changed their faces, and whether it turned up the card it uncovered
// (a move recorded as an uncovering one).
struct Applied {
    Move move;
    uint8_t from = 0;        // position pile indices
    uint8_t to = 0;
    uint8_t count = 0;       // cards carried
    bool reversed = false;   // the cards land in reverse order (a turn of the stock or of the waste)
    bool uncovered = false;  // the card below the source turned face up
    bool usedTurnBack = false; // the waste's turn back counted against the limit
    bool filledSpace = false;  // the reserve's top went on into the emptied tableau pile
    bool fillUncovered = false; // and the reserve card below it turned face up
    uint64_t faceDown = 0;   // face-down flags of the carried cards before, bottom first
};

// Every move the picking and placement rules allow, in a fixed order:
// tableau sources pile by pile, each pile's top card first and then the
// runs below it, then the waste, then the foundations, the reserves and the
// cells; each source's tableau targets before its foundations and its
// cells; then turning the stock and turning the waste back.
void legalMoves(const Position &p, const Rules &rules, MoveList &out);

// The cards each pile would take now, as bit masks over card codes: the
// move rules' answer for many cards against one table at the cost of one.
struct AcceptedCards {
    AcceptedCards(const Position &p, const Rules &rules);
    static bool has(uint64_t mask, CardCode card) { return (mask >> (card & ~kFaceDownFlag)) & 1; }

    std::array<uint64_t, kMaxTableauPiles> tableau{};
    std::array<uint64_t, kFoundationPiles> foundation{}; // a player's drop
    uint64_t anyFoundationAutomatic = 0;                 // automatic play's, on any foundation
    uint16_t emptyCells = 0;                             // bit c: cell c is free
};

// What foundation g takes now, as a mask over card codes. A player's move
// (playerMove) is refused by a full foundation; automatic play does not ask.
uint64_t foundationTakes(const Position &p, const Rules &rules, int g, bool playerMove);

// The lowest position of a tableau pile from which the cards may be taken
// together, whatever the target: the top for single cards, else the lowest
// face-up card the move rule lets go with the cards on it. -1 for an empty pile.
int lowestMovable(const Position &p, const Rules &rules, int pile);

// Cards a turn of the stock lays on the waste: the game's draw count, or
// what is left of the stock.
int stockTurnCards(const Position &p, const Rules &rules);

// The longest run a move may carry onto a pile, empty or not: unlimited but
// under the free-cell rule, where what could be carried one card at a time
// is the free cells plus one, doubled by each space other than the target
// (where any card may fill a space).
int runLimit(const Position &p, const Rules &rules, bool ontoSpace);

// The run limit that alone refuses a card move: the source may be picked
// up and the target tableau pile takes its lowest card, but the run is longer
// than runLimit allows onto that pile. None when the move is legal or
// refused for any other reason.
std::optional<int> runTooLong(const Position &p, const Rules &rules, const Move &m);

// True if the source's card may be picked up: a tableau card with the cards
// on it when they form a run that may move, or the top of the waste, of a
// foundation or of a reserve, or a cell's card.
bool canPickUp(const Position &p, const Rules &rules, const Source &s);

// True if the move is one of legalMoves: the source may be picked up and
// the target takes it.
bool isLegal(const Position &p, const Rules &rules, const Move &m);

// True if foundation g takes the card now. A player's move (playerMove) is
// refused by a full foundation; automatic play does not ask.
bool foundationAccepts(const Position &p, const Rules &rules, int g, CardCode card, bool playerMove);

// Plays a move the rules allow. Cards arriving on the tableau, a foundation,
// a cell or the waste lie face up, cards turned back to the stock face down.
// A stock turn lays up to the game's draw count on the waste, the last one
// on top; a tableau pile emptied where the reserve fills spaces takes the
// reserve's top at once, in the same move.
Applied apply(Position &p, const Rules &rules, const Move &m);
// Takes back the move apply returned, leaving the position exactly as before.
void undo(Position &p, const Applied &a);

// The next move automatic play makes, or none: tableau tops pile by pile,
// then the waste top, the reserve tops and the cells, each to the first
// foundation that accepts it.
std::optional<Move> autoPlayStep(const Position &p, const Rules &rules);

} // namespace cardova
