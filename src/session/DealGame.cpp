#include "session/DealGame.h"

#include "rules/RuleCodes.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"

#include <algorithm>

namespace cardova {

namespace {
PlaceDealt placeOnTable(GameContext &ctx)
{
    return [&ctx](int16_t picId, int16_t cell, int16_t pile, int16_t pos, int16_t speed, int32_t face) {
        int32_t mode = kModeDeal;
        MoveCard(ctx, picId, cell, pile, pos, mode, speed, 0, face);
    };
}
} // namespace

int16_t randomBaseRank(const cArray &table)
{
    return int16_t(table.GetRandom(0) % kRanks);
}

void assignCardValues(const cGames &games, const cArray &table, CardSprites &cards)
{
    const int n = games.TotalCards();
    for (int j = 0; j < n; ++j) {
        const int16_t c = table.GetRandom(j);
        cards[size_t(j)].SetValue(int16_t(c / kRanksPerSuit), int16_t(c % kRanksPerSuit),
                                  int16_t((c % kDeckSize) / kRanksPerSuit));
    }
}

void AssignCards(GameContext &ctx)
{
    assignCardValues(ctx.games, ctx.table, ctx.cards);
    const int n = ctx.games.TotalCards();
    for (int j = 0; j < n; ++j)
        ctx.bringToFront(int16_t(j));
    ctx.surface().tableChanged();
}

void dealGoalCards(const cGames &games, cArray &table, const CardSprites &cards, const PlaceDealt &place)
{
    const int32_t goalType = games.GoalType();
    table.BaseNum = goalType == kRandomBase ? randomBaseRank(table) : int16_t(goalType);
    const int16_t g = games.Cards(kFoundation);
    if (g <= 0)
        return;
    const int n = games.TotalCards();
    for (int j = 0; j < n; ++j) {
        const cCard &card = cards[size_t(j)];
        if (card.Num == table.BaseNum && card.Suitpile < g)
            place(int16_t(j), kFoundation, card.Suitpile, 0, 0, 0);
    }
}

void dealStockCards(const cGames &games, const cArray &table, const CardSprites &cards, const PlaceDealt &place)
{
    const int n = games.TotalCards();
    for (int j = 0; j < n; ++j) {
        if (cards[size_t(j)].Cell == kFoundation && cards[size_t(j)].Visible)
            continue;
        place(int16_t(j), kStock, 0, int16_t(table.GetTop(kStock, 0) + 1), 0, 1);
    }
}

namespace {
// Cards the Yukon deal adds to every pile but the first, face up.
constexpr int kYukonExtraRows = 4;
// A rows deal whose tableau Cards reach this deals until the deck is used up.
constexpr int16_t kRowsUntilDeckUsed = 52;
// Dealt cards glide; the stock and the base cards are laid at once.
constexpr int16_t kDealSpeed = 3;

// Deals the stock's top card to a slot; false when the stock is empty.
bool dealTop(const cArray &table, const PlaceDealt &place, int16_t cell, int16_t pile, int16_t pos, int32_t face)
{
    const int16_t top = table.GetTopPicID(kStock, 0);
    if (top < 0)
        return false;
    place(top, cell, pile, pos, kDealSpeed, face);
    return true;
}

int16_t nextSlot(const cArray &table, int cell, int pile) { return int16_t(table.GetTop(cell, pile) + 1); }

// Row c starts with a face-up card on pile c and covers the piles to its
// right, face down unless the game deals every card open.
bool dealStaircase(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int n = games.Piles(kTableau);
    const bool closed = games.CardsOpen() > 0;
    for (int c = 0; c < n; ++c)
        for (int l = 0; l <= n - 1 - c; ++l) {
            const int32_t face = (l == 0 || !closed) ? kFaceUp : kFaceDown;
            if (!dealTop(table, place, kTableau, int16_t(c + l), int16_t(c), face))
                return false; // a deck too small for the layout: deal what there is
        }
    return true;
}

void dealYukonRows(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int n = games.Piles(kTableau);
    for (int row = 0; row < kYukonExtraRows; ++row)
        for (int pile = 1; pile < n; ++pile)
            if (!dealTop(table, place, kTableau, int16_t(pile), nextSlot(table, kTableau, pile), kFaceUp))
                return;
}

void dealRows(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int n = games.Piles(kTableau);
    const int16_t perPile = games.Cards(kTableau);
    const int rows = perPile <= 0 || perPile >= kRowsUntilDeckUsed ? kRowsUntilDeckUsed : perPile;
    for (int row = 0; row < rows; ++row)
        for (int pile = 0; pile < n; ++pile)
            if (!dealTop(table, place, kTableau, int16_t(pile), int16_t(row), kFaceUp))
                return;
}

// The reserve's cards lie face down but for the top one.
void dealReserve(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int cards = games.Piles(kReserve) > 0 ? games.Cards(kReserve) : 0;
    for (int i = 0; i < cards; ++i)
        if (!dealTop(table, place, kReserve, 0, int16_t(i), i == cards - 1 ? kFaceUp : kFaceDown))
            return;
}

void dealCells(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int cards = std::min(games.Cards(kFreeCell), games.Piles(kFreeCell));
    for (int c = 0; c < cards; ++c)
        if (!dealTop(table, place, kFreeCell, int16_t(c), 0, kFaceUp))
            return;
}

// A game whose base the deal sets lays the stock's top card on the first
// foundation: its rank is every foundation's base.
void dealBaseCard(const cGames &games, cArray &table, const CardSprites &cards, const PlaceDealt &place)
{
    if (games.GoalType() != kGoalBaseFromDeal)
        return;
    const int16_t top = table.GetTopPicID(kStock, 0);
    if (top < 0)
        return;
    table.BaseNum = cards[size_t(top)].Num;
    place(top, kFoundation, 0, 0, kDealSpeed, kFaceUp);
}
} // namespace

void dealHomeCards(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    switch (games.HomeType()) {
    case kHomeRows: dealRows(games, table, place); return;
    case kHomeYukon:
        if (dealStaircase(games, table, place))
            dealYukonRows(games, table, place);
        return;
    default: dealStaircase(games, table, place); return;
    }
}

void dealFromStock(const cGames &games, cArray &table, const CardSprites &cards, const PlaceDealt &place)
{
    dealReserve(games, table, place);
    dealBaseCard(games, table, cards, place);
    dealCells(games, table, place);
    dealHomeCards(games, table, place);
}

namespace {
// The foundations' placeholders show the base rank of the deal.
void showBaseMarkers(GameContext &ctx)
{
    for (int p = 0; p < kFoundationPiles; ++p)
        ctx.markers.Right[p] = {ctx.table.BaseNum, p < ctx.games.Piles(kFoundation)};
}
} // namespace

void DealGoal(GameContext &ctx)
{
    dealGoalCards(ctx.games, ctx.table, ctx.cards, placeOnTable(ctx));
    showBaseMarkers(ctx);
}

void ShowMarkers(GameContext &ctx)
{
    const int16_t emptyNum = ctx.games.EmptyNum();
    const int16_t picture = emptyNum == kAnyRank ? int16_t(kMarkerBlank) : emptyNum;
    const int piles = ctx.games.Piles(kTableau);
    for (int p = 0; p < 11; ++p)
        ctx.markers.Home[p] = {picture, p < piles};
    ctx.markers.Waste = {kMarkerBlank, ctx.games.Piles(kWaste) > 0};
    const int reserves = ctx.games.Piles(kReserve);
    for (int p = 0; p < kMaxReservePiles; ++p)
        ctx.markers.Res[p] = {kMarkerReserve, p < reserves};
    const int cells = ctx.games.Piles(kFreeCell);
    for (int c = 0; c < kMaxCells; ++c)
        ctx.markers.Cells[c] = {kMarkerCell, c < cells};
}

void DealStock(GameContext &ctx)
{
    // The stock marker shows where the game has a stock.
    ctx.markers.Stock = {kMarkerRecycle, ctx.games.Piles(kStock) > 0};
    dealStockCards(ctx.games, ctx.table, ctx.cards, placeOnTable(ctx));
    RefreshStockMarker(ctx);
}

void DealHome(GameContext &ctx)
{
    dealFromStock(ctx.games, ctx.table, ctx.cards, placeOnTable(ctx));
    if (ctx.games.GoalType() == kGoalBaseFromDeal)
        showBaseMarkers(ctx); // the base is known only now
}

void DealGame(GameContext &ctx)
{
    DealGoal(ctx);
    ShowMarkers(ctx);
    DealStock(ctx);
    ctx.PlaySound(SoundEvent::Start);
    DealHome(ctx);
    ctx.surface().tableChanged();
}

} // namespace cardova
