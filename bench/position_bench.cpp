// Speed of the copyable position: copying it, listing the legal moves of a
// Klondike game under way, and playing a move and taking it back.
//   bench_position
#include "Headless.h"

#include "engine/Moves.h"
#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace cardova;

namespace {
struct MidGame {
    Rules rules;
    Position position;
};

// A Klondike deal played on for a number of random moves, preferring card
// moves to stock turns so the tableau has runs and the foundations cards.
MidGame klondikeMidGame(int moves)
{
    Headless h;
    GameContext &ctx = *h.ctx;
    ctx.data.SetAutoplay(0);
    NewGame(ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(11));
    MidGame g{rulesOfGame(ctx.games, ctx.table.BaseNum), {}};
    g.position = positionOfTable(ctx.table, ctx.cards, g.rules);
    std::mt19937 rng(3);
    MoveList list;
    for (int i = 0; i < moves; ++i) {
        legalMoves(g.position, g.rules, list);
        if (list.empty())
            break;
        const Move m = list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng)];
        const bool cardMove = m.kind == MoveKind::Card;
        if (cardMove || rng() % 4 == 0)
            apply(g.position, g.rules, m);
    }
    return g;
}

const MidGame &midGame()
{
    static const MidGame g = klondikeMidGame(40);
    return g;
}

void BM_CopyPosition(benchmark::State &state)
{
    Position source = midGame().position;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&source);
        Position copy = source;
        benchmark::DoNotOptimize(&copy);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyPosition);

void BM_LegalMovesKlondike(benchmark::State &state)
{
    const MidGame &g = midGame();
    MoveList list;
    for (auto _ : state) {
        legalMoves(g.position, g.rules, list);
        benchmark::DoNotOptimize(list.size());
    }
    state.counters["moves"] = list.size();
}
BENCHMARK(BM_LegalMovesKlondike);

void BM_ApplyUndo(benchmark::State &state)
{
    MidGame g = midGame();
    MoveList list;
    legalMoves(g.position, g.rules, list);
    size_t i = 0;
    for (auto _ : state) {
        const Applied a = apply(g.position, g.rules, list[int(i)]);
        undo(g.position, a);
        benchmark::DoNotOptimize(&g.position);
        i = (i + 1) % size_t(list.size());
    }
}
BENCHMARK(BM_ApplyUndo);

void BM_PositionHash(benchmark::State &state)
{
    const Position &p = midGame().position;
    for (auto _ : state)
        benchmark::DoNotOptimize(p.hash());
}
BENCHMARK(BM_PositionHash);
} // namespace

BENCHMARK_MAIN();
