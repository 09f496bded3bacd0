#pragma once
#include "engine/MoveOrder.h"
#include "engine/Position.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>
#include <optional>

namespace cardova {

enum class MoveKind : uint8_t { Card, TurnStock, TurnWasteBack };
enum class SourceKind : uint8_t { Tableau, Waste, Foundation };
enum class TargetKind : uint8_t { Tableau, Foundation };

// Where a moved card comes from: for the tableau, the pile and the position
// of the lowest card taken (the cards above it go along).
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
    return s.kind == SourceKind::Tableau  ? PileIndex::tableau(s.pile)
           : s.kind == SourceKind::Waste ? PileIndex::kWaste
                                         : PileIndex::foundation(s.pile);
}

// Every card can be the source of one move to each tableau pile and each
// foundation, plus the two stock moves.
constexpr int kMaxMoves = kPositionCards * (kMaxTableauPiles + kFoundationPiles) + 2;

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
    bool reversed = false;   // the waste turned back lands upside down
    bool uncovered = false;  // the card below the source turned face up
    uint64_t faceDown = 0;   // face-down flags of the carried cards before, bottom first
};

// Every move the picking and placement rules allow, in a fixed order:
// tableau sources pile by pile, each pile's top card first and then the
// runs below it, then the waste, then the foundations; each source's
// tableau targets before its foundations; then turning the stock and
// turning the waste back.
void legalMoves(const Position &p, const Rules &rules, MoveList &out);

// The cards each pile would take now, as bit masks over card codes: the
// move rules' answer for many cards against one table at the cost of one.
struct AcceptedCards {
    AcceptedCards(const Position &p, const Rules &rules);
    static bool has(uint64_t mask, CardCode card) { return (mask >> (card & ~kFaceDownFlag)) & 1; }

    std::array<uint64_t, kMaxTableauPiles> tableau{};
    std::array<uint64_t, kFoundationPiles> foundation{}; // a player's drop
    uint64_t anyFoundationAutomatic = 0;                 // automatic play's, on any foundation
};

// True if the source's card may be picked up: a tableau card with the cards
// on it when they form a run that may move, or the top of the waste or of
// a foundation.
bool canPickUp(const Position &p, const Rules &rules, const Source &s);

// True if the move is one of legalMoves: the source may be picked up and
// the target takes it.
bool isLegal(const Position &p, const Rules &rules, const Move &m);

// True if foundation g takes the card now. A player's move (playerMove) is
// refused by a full foundation; automatic play does not ask.
bool foundationAccepts(const Position &p, const Rules &rules, int g, CardCode card, bool playerMove);

// Plays a move the rules allow. Cards arriving on the tableau or a
// foundation or the waste lie face up, cards turned back to the stock face down.
Applied apply(Position &p, const Rules &rules, const Move &m);
// Takes back the move apply returned, leaving the position exactly as before.
void undo(Position &p, const Applied &a);

// The next move automatic play makes, or none: tableau tops pile by pile,
// then the waste top, each to the first foundation that accepts it.
std::optional<Move> autoPlayStep(const Position &p, const Rules &rules);

} // namespace cardova
