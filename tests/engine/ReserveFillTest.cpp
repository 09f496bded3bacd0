// Where the reserve fills spaces, only a card move leaving a tableau pile
// empty brings the reserve's top: the stock and the waste stay as the turn
// leaves them.
#include "engine/Moves.h"

#include <gtest/gtest.h>

using namespace cardova;

namespace {
Rules fillingRules()
{
    Rules r;
    r.tableauPiles = 4;
    r.reservePiles = 1;
    r.reserveFillsSpaces = true;
    r.draw = 3;
    return r;
}

Position withReserve()
{
    Position p = Position::empty(4, 1, 0);
    p.push(PileIndex::reserve(0), cardCode(0, 4, true));
    p.push(PileIndex::reserve(0), cardCode(1, 9));
    p.push(PileIndex::tableau(0), cardCode(2, 7));
    return p;
}
} // namespace

TEST(ReserveFillTest, EmptyingTheStockOrTheWasteLeavesTheReserveAlone)
{
    const Rules rules = fillingRules();
    Position p = withReserve();
    p.push(PileIndex::kStock, cardCode(3, 2, true));
    p.push(PileIndex::kStock, cardCode(3, 3, true));
    const Position dealt = p;

    const Applied turn = apply(p, rules, Move::turnStock());
    EXPECT_FALSE(turn.filledSpace);
    EXPECT_TRUE(p.isEmpty(PileIndex::kStock));
    EXPECT_EQ(p.size(PileIndex::kWaste), 2);
    EXPECT_EQ(p.size(PileIndex::reserve(0)), 2);

    const Applied back = apply(p, rules, Move::turnWasteBack());
    EXPECT_FALSE(back.filledSpace);
    EXPECT_TRUE(p.isEmpty(PileIndex::kWaste));
    EXPECT_EQ(p.size(PileIndex::kStock), 2);
    EXPECT_EQ(p.size(PileIndex::reserve(0)), 2);
    undo(p, back);
    undo(p, turn);
    EXPECT_EQ(p, dealt);
}

TEST(ReserveFillTest, ACardMoveEmptyingATableauPileTakesTheReservesTop)
{
    const Rules rules = fillingRules();
    Position p = withReserve();
    p.push(PileIndex::foundation(0), cardCode(2, 6));
    const Applied a = apply(p, rules, Move::card({SourceKind::Tableau, 0, 0}, {TargetKind::Foundation, 0}));
    EXPECT_TRUE(a.filledSpace);
    EXPECT_TRUE(a.fillUncovered);
    EXPECT_EQ(p.top(PileIndex::tableau(0)), cardCode(1, 9));
    EXPECT_EQ(p.top(PileIndex::reserve(0)), cardCode(0, 4));
}
