#include "engine/Moves.h"

#include <algorithm>

namespace cardova {

namespace {
int targetPile(const Target &t)
{
    return t.kind == TargetKind::Tableau ? PileIndex::tableau(t.pile) : PileIndex::foundation(t.pile);
}

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

// Taking a tableau card turns up the face-down card it lay on.
void uncoverBelow(Position &p, const Source &s, Applied &a)
{
    if (s.kind != SourceKind::Tableau || s.pos == 0)
        return;
    CardCode &below = p.at(PileIndex::tableau(s.pile), s.pos - 1);
    if (isFaceDown(below)) {
        below = CardCode(below & ~kFaceDownFlag);
        a.uncovered = true;
    }
}
} // namespace

Applied apply(Position &p, const Rules & /*rules*/, const Move &m)
{
    Applied a;
    a.move = m;
    switch (m.kind) {
    case MoveKind::Card:
        a.from = uint8_t(pileOfSource(m.source));
        a.to = uint8_t(targetPile(m.target));
        a.count = uint8_t(m.source.kind == SourceKind::Tableau ? p.size(a.from) - m.source.pos : 1);
        uncoverBelow(p, m.source, a);
        break;
    case MoveKind::TurnStock:
        a.from = PileIndex::kStock;
        a.to = PileIndex::kWaste;
        a.count = 1;
        break;
    case MoveKind::TurnWasteBack:
        a.from = PileIndex::kWaste;
        a.to = PileIndex::kStock;
        a.count = uint8_t(p.size(PileIndex::kWaste));
        a.reversed = true;
        break;
    }
    p.carry(a.from, a.to, a.count);
    if (a.reversed)
        reverseTop(p, a.to, a.count);
    setFaces(p, a.to, a.count, a.reversed, a);
    return a;
}

void undo(Position &p, const Applied &a)
{
    const int first = p.size(a.to) - a.count;
    for (int i = 0; i < a.count; ++i) {
        CardCode &c = p.at(a.to, first + i);
        c = (a.faceDown >> i) & 1 ? CardCode(c | kFaceDownFlag) : CardCode(c & ~kFaceDownFlag);
    }
    if (a.reversed)
        reverseTop(p, a.to, a.count);
    p.carry(a.to, a.from, a.count);
    if (a.uncovered) {
        CardCode &below = p.at(a.from, p.size(a.from) - a.count - 1);
        below = CardCode(below | kFaceDownFlag);
    }
}

} // namespace cardova
