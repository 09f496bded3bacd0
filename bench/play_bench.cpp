// Headless play speed: random legal games (moves per second), and undoing and
// redoing a log of 32,000 moves.
//   bench_play                     run the benchmarks
//   bench_play --find-win GAME     print a deal number and the actions that win it
#include "Headless.h"
#include "RandomPlayer.h"

#include "rules/GameRecord.h"
#include "session/Input.h"
#include "session/MoveDriver.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace cardova;

namespace {

void BM_RandomGames(benchmark::State &state)
{
    Headless h;
    RandomPlayer player(7);
    double number = 1;
    for (auto _ : state) {
        state.PauseTiming();
        NewGame(*h.ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(number++));
        state.ResumeTiming();
        player.play(*h.ctx, 2000);
    }
    state.counters["moves_per_second"] =
        benchmark::Counter(double(player.moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomGames)->Unit(benchmark::kMillisecond);

// The driver alone: the moves of recorded random games played again by
// name, each checked, logged and followed by automatic play.
void BM_DriverReplaysGames(benchmark::State &state)
{
    Headless h;
    RandomPlayer player(7);
    constexpr int kGames = 64;
    std::vector<std::vector<Move>> games(kGames);
    for (int g = 0; g < kGames; ++g) {
        NewGame(*h.ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(g + 1));
        games[size_t(g)] = player.playMoves(*h.ctx, 2000);
    }
    long long moves = 0;
    int g = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NewGame(*h.ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(g + 1));
        const int before = h.ctx->trans->TransPos;
        state.ResumeTiming();
        for (const Move &m : games[size_t(g)])
            playMove(*h.ctx, m);
        moves += h.ctx->trans ? h.ctx->trans->TransPos - before : 0;
        g = (g + 1) % kGames;
    }
    state.counters["moves_per_second"] = benchmark::Counter(double(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DriverReplaysGames)->Unit(benchmark::kMillisecond);

// Fills a log with turns of the stock and recycles of the waste.
void fillLog(GameContext &ctx, int moves)
{
    NewGame(ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(5));
    while (ctx.trans->TransPos < moves) {
        if (ctx.table.GetTop(kStock, 0) < 0)
            RecycleWaste(ctx);
        else
            AddtoWaste(ctx, ctx.table.GetTopPicID(kStock, 0));
    }
}

// Times undoing (or redoing) a whole log of 32,000 moves; the way back is untimed.
void BM_WalkLog32000(benchmark::State &state, bool undo)
{
    Headless h;
    h.ctx->data.SetAutoplay(0);
    fillLog(*h.ctx, 32000);
    for (auto _ : state) {
        int16_t speed = 0;
        if (!undo) {
            state.PauseTiming();
            h.ctx->trans->UndoAll(speed);
            state.ResumeTiming();
            h.ctx->trans->RedoAll(speed);
        } else {
            h.ctx->trans->UndoAll(speed);
            state.PauseTiming();
            h.ctx->trans->RedoAll(speed);
            state.ResumeTiming();
        }
    }
}
BENCHMARK_CAPTURE(BM_WalkLog32000, UndoAll, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkLog32000, RedoAll, false)->Unit(benchmark::kMillisecond);

// A player's action checked against a log of 32,000 moves, in a game whose
// waste turns back without limit and in one whose turn-backs are counted
// off the log: the rules refuse the action, so the log stays as it is.
void BM_CheckActionOnLongLog(benchmark::State &state, bool limited)
{
    Headless h;
    h.ctx->data.SetAutoplay(0);
    GameRecord record;
    record.redeals = limited ? 2 : kUnlimitedRedeals;
    const QString name = limited ? QStringLiteral("Twice") : QStringLiteral("Always");
    h.ctx->custom.SaveGame(name, record);
    NewGame(*h.ctx, name, GameNumber::fromNumber(5));
    // The records need not fit the table: only their count and kinds are read.
    h.ctx->trans->loadRecords(std::vector<TransRecord>(32000, TransRecord{}), 32000);
    for (auto _ : state)
        benchmark::DoNotOptimize(playMove(*h.ctx, Move::turnWasteBack()));
}
BENCHMARK_CAPTURE(BM_CheckActionOnLongLog, Unlimited, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CheckActionOnLongLog, Limited, true)->Unit(benchmark::kMicrosecond);

int findWin(const char *game)
{
    Headless h;
    RandomPlayer player(11);
    for (int number = 1; number < 5000; ++number) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            NewGame(*h.ctx, QString::fromUtf8(game), GameNumber::fromNumber(number));
            if (!h.ctx->GameRunning())
                return 1;
            const QStringList actions = player.play(*h.ctx, 600, true);
            if (!h.ctx->GameRunning()) {
                std::printf("%d %s\n", number, qPrintable(actions.join(QLatin1Char(' '))));
                return 0;
            }
        }
    }
    return 1;
}
// Prints count lines "NUMBER ACTION..." of legal random play, one game
// each: the comparison set of tools/make-cli-golden.py.
int randomLines(const char *game, int count)
{
    Headless h;
    RandomPlayer player(29);
    for (int i = 0; i < count; ++i) {
        const int number = 1 + i * 7919 % 100000;
        NewGame(*h.ctx, QString::fromUtf8(game), GameNumber::fromNumber(number));
        if (!h.ctx->GameRunning())
            return 1;
        const QStringList actions = player.play(*h.ctx, 400, true);
        std::printf("%d %s\n", number, qPrintable(actions.join(QLatin1Char(' '))));
    }
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--find-win") == 0)
        return findWin(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--random-lines") == 0)
        return randomLines(argv[2], std::atoi(argv[3]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
