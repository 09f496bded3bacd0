#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

namespace cardova {

// Pile counts the table arrays are laid out for.
constexpr int kMaxTableauPiles = 11;
constexpr int kFoundationPiles = 4;
constexpr int kMaxReservePiles = 5;
constexpr int kMaxCells = 8;
constexpr int kPositionCards = 52;
// Turn-backs of the waste that never run out.
constexpr uint8_t kUnlimitedTurnBacks = 0xFF;

// Piles of a position, in the order they lie in its card array.
namespace PileIndex {
constexpr int kStock = kMaxTableauPiles;
constexpr int kWaste = kStock + 1;
constexpr int kFirstFoundation = kWaste + 1;
constexpr int kFirstReserve = kFirstFoundation + kFoundationPiles;
constexpr int kFirstCell = kFirstReserve + kMaxReservePiles;
constexpr int kCount = kFirstCell + kMaxCells;
constexpr int tableau(int pile) { return pile; }
constexpr int foundation(int pile) { return kFirstFoundation + pile; }
constexpr int reserve(int pile) { return kFirstReserve + pile; }
constexpr int cell(int c) { return kFirstCell + c; }
} // namespace PileIndex

// One card as a byte: suit * 13 + rank, with a flag while it lies face down.
// Suits 0 hearts, 1 spades, 2 diamonds, 3 clubs; ranks 0 Ace ... 12 King.
using CardCode = uint8_t;
constexpr CardCode kFaceDownFlag = 0x80;
constexpr CardCode kNoCard = 0xFF;
constexpr int kRanks = 13;

constexpr CardCode cardCode(int suit, int rank, bool faceDown = false)
{
    return CardCode(suit * kRanks + rank) | (faceDown ? kFaceDownFlag : 0);
}
constexpr int suitOf(CardCode c) { return (c & ~kFaceDownFlag) / kRanks; }
constexpr int rankOf(CardCode c) { return (c & ~kFaceDownFlag) % kRanks; }
constexpr bool isFaceDown(CardCode c) { return (c & kFaceDownFlag) != 0; }
constexpr bool isRed(CardCode c) { return suitOf(c) == 0 || suitOf(c) == 2; }

// A game position as a plain value: every pile's cards bottom to top, and
// nothing of how the table draws them. The piles share one card array; a
// pile is the range [start[p], start[p + 1]), so a copy is a few cache lines.
struct Position {
    std::array<CardCode, kPositionCards> cards;
    std::array<uint8_t, PileIndex::kCount + 1> start;
    uint8_t tableauPiles;
    uint8_t reservePiles;
    uint8_t cellPiles;
    // Turn-backs of the waste still allowed, or kUnlimitedTurnBacks.
    uint8_t turnBacksLeft;

    // An empty table with the given pile counts and no limit on turn-backs.
    static Position empty(int tableauPiles, int reservePiles = 0, int cellPiles = 0);

    int size(int pile) const { return start[size_t(pile) + 1] - start[size_t(pile)]; }
    bool isEmpty(int pile) const { return size(pile) == 0; }
    CardCode at(int pile, int pos) const { return cards[size_t(start[size_t(pile)] + pos)]; }
    CardCode &at(int pile, int pos) { return cards[size_t(start[size_t(pile)] + pos)]; }
    CardCode top(int pile) const { return at(pile, size(pile) - 1); }
    int cardCount() const { return start[PileIndex::kCount]; }

    // Lays a card on top of a pile (setting up a position).
    void push(int pile, CardCode card);
    // Carries the top count cards of one pile onto another, keeping their order.
    void carry(int from, int to, int count);

    bool operator==(const Position &) const = default;
    // The same on every run and platform: usable in stored tables.
    uint64_t hash() const;
    // One line per pile, cards bottom to top as "7H", face down as "7h".
    std::string text() const;
};

static_assert(std::is_trivially_copyable_v<Position>);
static_assert(sizeof(Position) <= 512);

// "7H" or, face down, "7h".
std::string cardText(CardCode card);

} // namespace cardova
