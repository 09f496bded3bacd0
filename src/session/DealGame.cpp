#include "session/DealGame.h"

#include "rules/RuleCodes.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"

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

void dealHomeCards(const cGames &games, const cArray &table, const PlaceDealt &place)
{
    const int n = games.Piles(kTableau);
    const bool closed = games.CardsOpen() > 0;
    for (int c = 0; c < n; ++c) {
        for (int l = 0; l <= n - 1 - c; ++l) {
            const int16_t top = table.GetTopPicID(kStock, 0);
            if (top < 0)
                return; // a deck too small for the layout: deal what there is
            const int32_t face = (l == 0 || !closed) ? 0 : 1;
            place(top, kTableau, int16_t(c + l), int16_t(c), 3, face);
        }
    }
}

void DealGoal(GameContext &ctx)
{
    dealGoalCards(ctx.games, ctx.table, ctx.cards, placeOnTable(ctx));
    for (int p = 0; p < 4; ++p)
        ctx.markers.Right[p] = {ctx.table.BaseNum, p < ctx.games.Piles(kFoundation)};
}

void ShowMarkers(GameContext &ctx)
{
    const int16_t emptyNum = ctx.games.EmptyNum();
    const int16_t picture = emptyNum == kAnyRank ? int16_t(kMarkerBlank) : emptyNum;
    const int piles = ctx.games.Piles(kTableau);
    for (int p = 0; p < 11; ++p)
        ctx.markers.Home[p] = {picture, p < piles};
    ctx.markers.Waste = {kMarkerBlank, ctx.games.Piles(kWaste) > 0};
    for (auto &res : ctx.markers.Res)
        res = {kMarkerBlank, false};
}

void DealStock(GameContext &ctx)
{
    // The stock marker shows the picture its stock mode names.
    ctx.markers.Stock = {int16_t(ctx.games.StockNum() + kMarkerBlank), true};
    dealStockCards(ctx.games, ctx.table, ctx.cards, placeOnTable(ctx));
}

void DealHome(GameContext &ctx)
{
    dealHomeCards(ctx.games, ctx.table, placeOnTable(ctx));
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
