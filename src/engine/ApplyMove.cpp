#include "engine/Moves.h"

#include <algorithm>

namespace cardova {

namespace {
// Remembers the carried cards' faces, then lays them all face up or down.
void setFaces(Position &p, int pile, int count, bool faceDown, Applied &a)
{
    const int first = p.size(pile) - count;
    for (int i = 0; i < count; ++i) {
        CardCode &c = p.at(pile, first + i);
        if (isFaceDown(c))
            a.faceDown |= uint64_t(1) << i;
        c = faceDown ? CardCode(c | kFaceDownFlag) : CardCode(c & ~kFaceDownFlag);
    }
}

void reverseTop(Position &p, int pile, int count)
{
    const int first = p.size(pile) - count;
    for (int i = 0, j = count - 1; i < j; ++i, --j)
        std::swap(p.at(pile, first + i), p.at(pile, first + j));
}

// Turns up a pile's top card if it lies face down; true when it did.
bool turnUpTop(Position &p, int pile)
{
    if (p.isEmpty(pile) || !isFaceDown(p.top(pile)))
        return false;
    CardCode &top = p.at(pile, p.size(pile) - 1);
    top = CardCode(top & ~kFaceDownFlag);
    return true;
}

// Taking a tableau or reserve card turns up the face-down card it lay on.
bool uncoversBelow(const Source &s)
{
    return s.kind == SourceKind::Tableau || s.kind == SourceKind::Reserve;
}

// Where the reserve fills spaces, a tableau pile the move emptied takes
// the reserve's top at once, and the reserve turns up its next card.
void fillSpace(Position &p, const Rules &rules, Applied &a)
{
    // Only a card move names its source: a turn of the stock or of the
    // waste that empties its pile leaves it empty.
    if (!rules.reserveFillsSpaces || a.move.kind != MoveKind::Card || a.move.source.kind != SourceKind::Tableau ||
        !p.isEmpty(a.from))
        return;
    const int reserve = PileIndex::reserve(0);
    if (rules.reservePiles == 0 || p.isEmpty(reserve))
        return;
    p.carry(reserve, a.from, 1);
    CardCode &card = p.at(a.from, 0);
    card = CardCode(card & ~kFaceDownFlag);
    a.filledSpace = true;
    a.fillUncovered = turnUpTop(p, reserve);
}

void unfillSpace(Position &p, const Applied &a)
{
    if (!a.filledSpace)
        return;
    const int reserve = PileIndex::reserve(0);
    if (a.fillUncovered) {
        CardCode &below = p.at(reserve, p.size(reserve) - 1);
        below = CardCode(below | kFaceDownFlag);
    }
    p.carry(a.from, reserve, 1);
}
} // namespace

Applied apply(Position &p, const Rules &rules, const Move &m)
{
    Applied a;
    a.move = m;
    bool faceDown = false;
    switch (m.kind) {
    case MoveKind::Card:
        a.from = uint8_t(pileOfSource(m.source));
        a.to = uint8_t(pileOfTarget(m.target));
        a.count = uint8_t(m.source.kind == SourceKind::Tableau ? p.size(a.from) - m.source.pos : 1);
        break;
    case MoveKind::TurnStock:
        a.from = PileIndex::kStock;
        a.to = PileIndex::kWaste;
        a.count = uint8_t(stockTurnCards(p, rules));
        a.reversed = a.count > 1;
        break;
    case MoveKind::TurnWasteBack:
        a.from = PileIndex::kWaste;
        a.to = PileIndex::kStock;
        a.count = uint8_t(p.size(PileIndex::kWaste));
        a.reversed = true;
        faceDown = true;
        a.usedTurnBack = p.turnBacksLeft != kUnlimitedTurnBacks && p.turnBacksLeft > 0;
        if (a.usedTurnBack)
            --p.turnBacksLeft;
        break;
    }
    p.carry(a.from, a.to, a.count);
    if (m.kind == MoveKind::Card && uncoversBelow(m.source))
        a.uncovered = turnUpTop(p, a.from);
    if (a.reversed)
        reverseTop(p, a.to, a.count);
    setFaces(p, a.to, a.count, faceDown, a);
    fillSpace(p, rules, a);
    return a;
}

void undo(Position &p, const Applied &a)
{
    unfillSpace(p, a);
    const int first = p.size(a.to) - a.count;
    for (int i = 0; i < a.count; ++i) {
        CardCode &c = p.at(a.to, first + i);
        c = (a.faceDown >> i) & 1 ? CardCode(c | kFaceDownFlag) : CardCode(c & ~kFaceDownFlag);
    }
    if (a.reversed)
        reverseTop(p, a.to, a.count);
    if (a.uncovered) {
        CardCode &below = p.at(a.from, p.size(a.from) - 1);
        below = CardCode(below | kFaceDownFlag);
    }
    p.carry(a.to, a.from, a.count);
    if (a.usedTurnBack)
        ++p.turnBacksLeft;
}

} // namespace cardova
