#pragma once
#include "solver/TalonMoves.h"
#include "solver/Transition.h"

#include <cstdint>

namespace cardova {

// What one candidate of the search writes to the game's move log, counted
// as the game logs its actions: one record per card a turn or a move
// carries (turning the waste back moves each of its cards), one per card
// automatic play sends home after the move. The turns of a candidate send
// nothing home, so automatic play only follows its move.
struct LogRecords {
    int64_t throughMove = 0; // the turns and the move itself
    int64_t total = 0;       // with the automatic play after the move
};

// parent is the position before the candidate, child the one after it.
inline LogRecords logRecordsOf(const Position &parent, const Position &child, const Candidate &c)
{
    int stock = parent.size(PileIndex::kStock);
    int waste = parent.size(PileIndex::kWaste);
    LogRecords r;
    auto turnOrMove = [&](MoveKind kind) {
        if (kind == MoveKind::TurnStock) {
            ++r.throughMove;
            --stock;
            ++waste;
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
