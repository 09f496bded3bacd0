#include "rules/cGames.h"

#include "common/Numeric.h"

#include <cmath>

namespace cardova {

namespace {
// Deck size the table arrays are built for.
constexpr int16_t kMaxDeck = 52;
} // namespace

void cGames::Home(int16_t Piles, int32_t Order, int16_t Cards, int16_t AK, int16_t EmptyNum,
                  int16_t MultiMove, int16_t StartX, int16_t StartY, int16_t PileWidth,
                  int16_t PosWidth, int16_t Div, int16_t DivWidth, int32_t PileOrder,
                  int32_t cHomeType, int32_t cMultiOrder, int32_t SuitType, int16_t cCardsOpen)
{
    Area &a = areas_[kTableau];
    a.Piles = Piles;
    a.Order = Order;
    a.Cards = Cards;
    a.AK = AK;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PileWidth = PileWidth;
    a.PosWidth = PosWidth;
    a.Div = Div;
    a.DivWidth = DivWidth;
    a.PileOrder = PileOrder;
    emptyNum_ = EmptyNum;
    multiMove_ = MultiMove;
    homeType_ = cHomeType;
    multiOrder_ = cMultiOrder;
    suitType_ = SuitType;
    cardsOpen_ = cCardsOpen;
    tableauMoves_.reset();
    reserveFills_ = false;
    areas_[kFreeCell] = Area{};
}

void cGames::Stock(int16_t Piles, int32_t StockMove, int16_t StartX, int16_t StartY,
                   int16_t PosWidth, int16_t StockNum, int32_t StockType)
{
    Area &a = areas_[kStock];
    a.Piles = Piles;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PosWidth = PosWidth;
    stockMove_ = StockMove;
    stockNum_ = StockNum;
    stockType_ = StockType;
}

void cGames::Waste(int16_t Piles, int16_t StartX, int16_t StartY, int16_t PileWidth,
                   int16_t Cards, int16_t PosWidth)
{
    Area &a = areas_[kWaste];
    a.Piles = Piles;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PileWidth = PileWidth;
    a.Cards = Cards;
    a.PosWidth = PosWidth;
}

void cGames::Goal(int16_t Piles, int32_t Order, int16_t Cards, int32_t GoalType, int16_t AK,
                  int16_t StartX, int16_t StartY, int16_t PileWidth, int16_t PosWidth,
                  int16_t Div, int16_t DivWidth, int32_t PileOrder)
{
    Area &a = areas_[kFoundation];
    a.Piles = Piles;
    a.Order = Order;
    a.Cards = Cards;
    a.AK = AK;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PileWidth = PileWidth;
    a.PosWidth = PosWidth;
    a.Div = Div;
    a.DivWidth = DivWidth;
    a.PileOrder = PileOrder;
    goalType_ = GoalType;
}

void cGames::Res(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY,
                 int16_t PileWidth, int16_t PosWidth, int16_t Div, int16_t DivWidth,
                 int32_t PileOrder)
{
    Area &a = areas_[kReserve];
    a.Piles = Piles;
    a.Cards = Cards;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PileWidth = PileWidth;
    a.PosWidth = PosWidth;
    a.Div = Div;
    a.DivWidth = DivWidth;
    a.PileOrder = PileOrder;
}

void cGames::Ext(int16_t BaseX, int16_t BaseY, int16_t Cards, int16_t Redeals,
                 const QString &Tag, int16_t cDisAutoPlay, int16_t GoalDiv)
{
    redeals_ = Redeals < 0 ? kRedealsUnlimited : Redeals;
    baseX_ = BaseX;
    baseY_ = BaseY;
    // The table arrays hold one 52-card deck; a larger count could never be dealt.
    totalCards_ = Cards < 0 ? 0 : (Cards > kMaxDeck ? kMaxDeck : Cards);
    tag_ = Tag;
    disAutoPlay_ = cDisAutoPlay;
    goalDiv_ = GoalDiv;
}

void cGames::FreeCells(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY, int16_t PileWidth)
{
    Area &a = areas_[kFreeCell];
    a.Piles = Piles;
    a.Cards = Cards;
    a.StartX = StartX;
    a.StartY = StartY;
    a.PileWidth = PileWidth;
    a.Div = 20;
}

TableauMoves cGames::tableauMoves() const
{
    if (multiMove_ == 0)
        return TableauMoves::Single;
    return tableauMoves_.value_or(TableauMoves::Runs);
}

int cGames::turnBacks() const
{
    if (stockNum_ != kStockRecycles)
        return 0;
    return redeals_ == kRedealsUnlimited ? -1 : redeals_;
}

cGames::Point cGames::relative(int cell, int pile, int pos) const
{
    const Area &a = area(cell);
    if (cell == kStock || cell == kWaste) {
        // Deeper stacks draw slightly up and to the left, one step per band.
        const int k = pos > 0 ? static_cast<int>(roundHalfEven(std::sqrt(double(pos)))) / 2 : 0;
        return {a.StartX - k * a.PosWidth, a.StartY - k * a.PosWidth};
    }
    const int div = a.Div != 0 ? a.Div : 1;
    const int x = (pile % div) * a.PileWidth + a.StartX;
    const int rowOffset = (pile / div) * a.DivWidth;
    const int closed = (cell == kTableau && table_) ? table_->ClosedCards(int16_t(pile)) : 0;
    // A face-down card lies where it was dealt, on the face-down cards below.
    // The slot above an empty pile (position -1) holds none.
    if (pos >= 0 && pos < closed)
        return {x, a.StartY + pos * kClosedFan + rowOffset};
    if (closed > 0)
        return {x, (pos - closed) * a.PosWidth + a.StartY + closed * kClosedFan + rowOffset};
    return {x, a.PosWidth * pos + a.StartY + rowOffset};
}

int16_t cGames::GetCordX(int cell, int pile, int pos) const
{
    const double x = (11900.0 - baseX_) / 2.0 + 1790.0 + relative(cell, pile, pos).x;
    return round16(x);
}

int16_t cGames::PileBaseY(int cell, int pile) const
{
    const Area &a = area(cell);
    const int div = a.Div != 0 ? a.Div : 1;
    const int y = (cell == kStock || cell == kWaste) ? a.StartY : a.StartY + (pile / div) * a.DivWidth;
    return clamp16(static_cast<long long>(y) + baseY_);
}

int16_t cGames::GetCordY(int cell, int pile, int pos) const
{
    return clamp16(static_cast<long long>(relative(cell, pile, pos).y) + baseY_);
}

} // namespace cardova
