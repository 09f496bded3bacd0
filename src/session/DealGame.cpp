#include "session/DealGame.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"

namespace cardova {

namespace {
// The base code that names no rank but asks the deal to pick one.
constexpr int16_t kRandomBase = 13;

void moveDealt(GameContext &ctx, int16_t picId, int16_t cell, int16_t pile, int16_t pos,
               int16_t speed, int32_t face)
{
    int32_t mode = kModeDeal;
    MoveCard(ctx, picId, cell, pile, pos, mode, speed, 0, face);
}
} // namespace

int16_t randomBaseRank(const cArray &table)
{
    return int16_t(table.GetRandom(0) % kRanks);
}

void AssignCards(GameContext &ctx)
{
    const int n = ctx.games.TotalCards();
    for (int j = 0; j < n; ++j) {
        const int16_t c = ctx.table.GetRandom(j);
        ctx.cards[size_t(j)].SetValue(int16_t(c / kRanksPerSuit), int16_t(c % kRanksPerSuit),
                                      int16_t((c % kDeckSize) / kRanksPerSuit));
        ctx.bringToFront(int16_t(j));
    }
    ctx.surface().tableChanged();
}

void DealGoal(GameContext &ctx)
{
    const int32_t goalType = ctx.games.GoalType();
    ctx.table.BaseNum = goalType == kRandomBase ? randomBaseRank(ctx.table) : int16_t(goalType);
    const int16_t g = ctx.games.Cards(kFoundation);
    if (g > 0) {
        const int n = ctx.games.TotalCards();
        for (int j = 0; j < n; ++j) {
            const cCard &card = ctx.cards[size_t(j)];
            if (card.Num == ctx.table.BaseNum && card.Suitpile < g)
                moveDealt(ctx, int16_t(j), kFoundation, card.Suitpile, 0, 0, 0);
        }
    }
    for (int p = 0; p < 4; ++p)
        ctx.markers.Right[p] = {ctx.table.BaseNum, p < ctx.games.Piles(kFoundation)};
}

void ShowMarkers(GameContext &ctx)
{
    const int16_t emptyNum = ctx.games.EmptyNum();
    const int16_t picture = emptyNum == kAnyRank ? kMarkerBlank : emptyNum;
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
    const int n = ctx.games.TotalCards();
    for (int j = 0; j < n; ++j) {
        if (ctx.cards[size_t(j)].Cell == kFoundation && ctx.cards[size_t(j)].Visible)
            continue;
        moveDealt(ctx, int16_t(j), kStock, 0, int16_t(ctx.table.GetTop(kStock, 0) + 1), 0, 1);
    }
}

void DealHome(GameContext &ctx)
{
    const int n = ctx.games.Piles(kTableau);
    const bool closed = ctx.games.CardsOpen() > 0;
    for (int c = 0; c < n; ++c) {
        for (int l = 0; l <= n - 1 - c; ++l) {
            const int16_t top = ctx.table.GetTopPicID(kStock, 0);
            if (top < 0)
                return; // a deck too small for the layout: deal what there is
            const int32_t face = (l == 0 || !closed) ? 0 : 1;
            moveDealt(ctx, top, kTableau, int16_t(c + l), int16_t(c), 3, face);
        }
    }
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
