#pragma once
#include "solver/TalonMoves.h"
#include "solver/Transition.h"

#include <algorithm>
#include <cstdint>

namespace cardova {

// What one candidate of the search writes to the game's move log, counted
// as the game logs its actions: one record per card a turn or a move
// carries (a turn of the stock each card it lays on the waste, turning the
// waste back each of its cards), one for a reserve card that fills a space,
// one per card automatic play sends home after the move. The turns of a candidate send
// nothing home, so automatic play only follows its move.
struct LogRecords {
    int64_t throughMove = 0; // the turns and the move itself
    int64_t total = 0;       // with the automatic play after the move
};

// Reserve cards that went into tableau spaces on their own: those that
// left the reserve and lie on the tableau, but the one the move took.
inline int reserveFills(const Position &parent, const Position &child, const Move &m)
{
    const int reserve = PileIndex::reserve(0);
    int fills = 0;
    for (int pos = child.size(reserve); pos < parent.size(reserve); ++pos) {
        const CardCode card = CardCode(parent.at(reserve, pos) & ~kFaceDownFlag);
        for (int t = 0; t < child.tableauPiles; ++t)
            for (int i = 0; i < child.size(t); ++i)
                fills += CardCode(child.at(t, i) & ~kFaceDownFlag) == card ? 1 : 0;
    }
    const bool moveTookOne = m.kind == MoveKind::Card && m.source.kind == SourceKind::Reserve &&
                             m.target.kind == TargetKind::Tableau;
    return std::max(fills - (moveTookOne ? 1 : 0), 0);
}

// parent is the position before the candidate, child the one after it.
inline LogRecords logRecordsOf(const Position &parent, const Position &child, const Candidate &c, int draw = 1)
{
    draw = std::max(draw, 1);
    int stock = parent.size(PileIndex::kStock);
    int waste = parent.size(PileIndex::kWaste);
    LogRecords r;
    auto turnOrMove = [&](MoveKind kind) {
        if (kind == MoveKind::TurnStock) {
            const int turned = std::min(draw, stock);
            r.throughMove += turned;
            stock -= turned;
            waste += turned;
        } else if (kind == MoveKind::TurnWasteBack) {
            r.throughMove += waste;
            stock += waste;
            waste = 0;
        } else {
            ++r.throughMove;
        }
    };
    // A turn takes the stock's top card while there is one, else turns the
    // waste back.
    for (int i = 0; i < c.turns; ++i)
        turnOrMove(stock > 0 ? MoveKind::TurnStock : MoveKind::TurnWasteBack);
    turnOrMove(c.move.kind);
    const int fills = reserveFills(parent, child, c.move);
    r.throughMove += fills;
    // Cards that went home beyond what the move itself took there or
    // brought back went by automatic play.
    const Move &m = c.move;
    int movedHome = 0;
    if (m.kind == MoveKind::Card && m.source.kind != SourceKind::Foundation && m.target.kind == TargetKind::Foundation)
        movedHome = 1;
    else if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Foundation && m.target.kind == TargetKind::Tableau)
        movedHome = -1;
    r.total = r.throughMove + cardsOnFoundations(child) - cardsOnFoundations(parent) - movedHome;
    return r;
}

} // namespace cardova
