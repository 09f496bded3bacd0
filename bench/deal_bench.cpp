// Complete headless deals per second: rules loaded, shuffle, card values,
// deal and the automatic-play pass, exactly as a new game runs them.
#include "Headless.h"

#include "session/MoveDriver.h"
#include "session/DealGame.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <benchmark/benchmark.h>

using namespace cardova;

namespace {
void dealOnce(GameContext &ctx, const QString &game, double number)
{
    ctx.custom.SelectGame(game);
    ClearTable(ctx);
    ctx.table.Init(number);
    ctx.phase = GamePhase::Dealing;
    AssignCards(ctx);
    ctx.trans = std::make_unique<cTrans>(ctx);
    DealGame(ctx);
    RunAutoPlay(ctx);
}

void BM_HeadlessDeal(benchmark::State &state, const char *game)
{
    Headless h;
    GameContext &ctx = *h.ctx;
    double number = 1;
    for (auto _ : state) {
        dealOnce(ctx, QString::fromLatin1(game), number);
        number += 1;
        benchmark::DoNotOptimize(ctx.table.TotalGoalCards());
    }
    state.SetItemsProcessed(state.iterations());
}
} // namespace

BENCHMARK_CAPTURE(BM_HeadlessDeal, Klondike, "Klondike");
BENCHMARK_CAPTURE(BM_HeadlessDeal, Lawn, "Lawn");
BENCHMARK_MAIN();
