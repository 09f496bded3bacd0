#pragma once
#include "rules/RuleKinds.h"

#include <QString>
#include <array>
#include <optional>
#include <cstdint>

namespace cardova {

// Counts the cards of a tableau pile: the table answers it for the fan
// offsets, which close up under face-down cards and, where a window gives
// the pile too little room (TableLayout), between face-up cards too. The
// waste's count places its fanned top cards.
class ClosedCardCount {
public:
    virtual ~ClosedCardCount() = default;
    virtual int16_t ClosedCards(int16_t pile) const = 0;
    // Cards in the pile, face down or up.
    virtual int16_t PileCards(int16_t pile) const = 0;
    virtual int16_t WasteCards() const = 0;
};

// Areas of the table, addressed by their cell number.
enum Cell : int16_t { kTableau = 0, kStock = 1, kWaste = 2, kFoundation = 3, kReserve = 4, kFreeCell = 5 };
constexpr int kCellCount = 6;

// StockNum of a game whose stock marker turns the waste back.
constexpr int16_t kStockRecycles = 2;
// StockNum of a game whose waste is never turned back.
constexpr int16_t kStockNeverRecycles = 0;
// Redeals of a game whose waste turns back without limit.
constexpr int16_t kRedealsUnlimited = 0;

// HomeType codes: the tableau's deal pattern.
constexpr int32_t kHomeStaircase = 1;
constexpr int32_t kHomeYukon = 2;
constexpr int32_t kHomeRows = 3;
// GoalType beyond the rank codes: the first card dealt to a foundation
// sets the base.
constexpr int32_t kGoalBaseFromDeal = 14;
// DisAutoPlay of a game that never plays automatically.
constexpr int16_t kAutoPlayDisabled = -1;

// Card size in table units (twips).
constexpr int kCardWidth = 1065;
constexpr int kCardHeight = 1440;
// Offset between face-down cards of a tableau pile.
constexpr int kClosedFan = 60;
// Offset between the fanned top cards of a waste that turns more than one
// card at a time: the rank and suit in the corner of each show.
constexpr int kWasteFan = 300;
// The closest the face-up cards of a tableau pile are squeezed together when
// the pile runs out of room: the rank in the corner stays readable.
constexpr int kMinOpenFan = 200;

// Rule and layout parameters of the game on the table. Filled by the loader
// before every deal, read by everything else.
class cGames {
public:
    struct Area {
        int16_t Piles = 0;
        int16_t Cards = 0;
        int32_t Order = 0;
        int16_t AK = 0;
        int16_t StartX = 0;
        int16_t StartY = 0;
        int16_t PileWidth = 0;
        int16_t PosWidth = 0;
        int16_t Div = 20;
        int16_t DivWidth = 0;
        int32_t PileOrder = 0;
    };

    // Fan offsets need the number of face-down cards of a tableau pile.
    void attachTable(const ClosedCardCount *table) { table_ = table; }

    void Home(int16_t Piles, int32_t Order, int16_t Cards, int16_t AK, int16_t EmptyNum,
              int16_t MultiMove, int16_t StartX, int16_t StartY, int16_t PileWidth,
              int16_t PosWidth, int16_t Div, int16_t DivWidth, int32_t PileOrder,
              int32_t cHomeType, int32_t cMultiOrder, int32_t SuitType, int16_t cCardsOpen);
    void Stock(int16_t Piles, int32_t StockMove, int16_t StartX, int16_t StartY,
               int16_t PosWidth, int16_t StockNum, int32_t StockType);
    void Waste(int16_t Piles, int16_t StartX, int16_t StartY, int16_t PileWidth,
               int16_t Cards, int16_t PosWidth);
    void Goal(int16_t Piles, int32_t Order, int16_t Cards, int32_t GoalType, int16_t AK,
              int16_t StartX, int16_t StartY, int16_t PileWidth, int16_t PosWidth,
              int16_t Div, int16_t DivWidth, int32_t PileOrder);
    void Res(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY,
             int16_t PileWidth, int16_t PosWidth, int16_t Div, int16_t DivWidth,
             int32_t PileOrder);
    // Redeals limits how often the waste turns back where StockNum lets it;
    // 0 sets no limit.
    void Ext(int16_t BaseX, int16_t BaseY, int16_t Cards, int16_t Redeals, const QString &Tag,
             int16_t cDisAutoPlay, int16_t GoalDiv);
    // Free cells: Piles cells of one card, the first Cards of them dealt one.
    void FreeCells(int16_t Piles, int16_t Cards, int16_t StartX, int16_t StartY, int16_t PileWidth);
    // Rules with no field of the classic loader; set after it, reset by Home.
    void setTableauMoves(TableauMoves moves) { tableauMoves_ = moves; }
    void setReserveFillsSpaces(bool fills) { reserveFills_ = fills; }

    int16_t Piles(int cell) const { return area(cell).Piles; }
    int16_t Cards(int cell) const { return area(cell).Cards; }
    int16_t AK(int cell) const { return area(cell).AK; }
    int32_t Order(int cell, int /*pile*/ = 0) const { return area(cell).Order; }
    int32_t MultiOrder() const { return multiOrder_ != 0 ? multiOrder_ : area(kTableau).Order; }
    int32_t HomePileOrder() const { return area(kTableau).PileOrder; }
    int16_t MultiMove() const { return multiMove_ != 0 ? -1 : 0; }
    int32_t GoalType() const { return goalType_; }
    int32_t StockType() const { return stockType_; }
    int32_t StockMove() const { return stockMove_; }
    int32_t HomeType() const { return homeType_; }
    int32_t SuitType() const { return suitType_; }
    int16_t EmptyNum() const { return emptyNum_; }
    int16_t CardsOpen() const { return cardsOpen_; }
    int16_t TotalCards() const { return totalCards_; }
    int16_t BaseX() const { return baseX_; }
    int16_t BaseY() const { return baseY_; }
    int16_t DisAutoPlay() const { return disAutoPlay_; }
    int16_t StockNum() const { return stockNum_; }
    int16_t GoalDiv() const { return goalDiv_; }
    int16_t Redeals() const { return redeals_; }
    // The tableau move rule: MultiMove's runs unless a rule was set.
    TableauMoves tableauMoves() const;
    bool reserveFillsSpaces() const { return reserveFills_; }
    // How often the waste may be turned back: -1 for no limit.
    int turnBacks() const;
    const QString &Tag() const { return tag_; }

    // Top-left corner of a card lying in a slot, in table units, at the
    // game's own spacing.
    int16_t GetCordX(int cell, int pile, int pos) const;
    int16_t GetCordY(int cell, int pile, int pos) const;
    // Top of a pile's first card as if nothing lay face down: where its
    // empty-pile placeholder stands.
    int16_t PileBaseY(int cell, int pile) const;

    const Area &area(int cell) const
    {
        static const Area kNoArea{};
        return (cell >= 0 && cell < kCellCount) ? areas_[size_t(cell)] : kNoArea;
    }

private:
    struct Point {
        int x;
        int y;
    };
    Point relative(int cell, int pile, int pos) const;

    std::array<Area, kCellCount> areas_{};
    const ClosedCardCount *table_ = nullptr;
    int32_t goalType_ = 0;
    int16_t emptyNum_ = 0;
    int16_t multiMove_ = 0;
    int32_t homeType_ = 1;
    int32_t multiOrder_ = 0;
    int32_t suitType_ = 2;
    int16_t cardsOpen_ = 0;
    int32_t stockMove_ = 1;
    int16_t stockNum_ = 2;
    int32_t stockType_ = 0;
    int16_t baseX_ = 11550;
    int16_t baseY_ = 200;
    int16_t totalCards_ = 52;
    QString tag_;
    int16_t disAutoPlay_ = 0;
    int16_t goalDiv_ = 0;
    int16_t redeals_ = 0;
    std::optional<TableauMoves> tableauMoves_;
    bool reserveFills_ = false;
};

} // namespace cardova
