// What keeping the game for the next start costs. After a move the game
// appends the new records and state to the kept file (the keeper's settle,
// timed alone, one move at a time, with its occasional whole rewrite when
// superseded states pile up); the whole file through a save file, as at
// shut-down or after an undo cut the log back; and the restore at start.
// Reading a crafted file of many chunks that add nothing (each a state
// line) shows that reading costs what the text is long; a file beyond the
// largest a kept game can be is set aside without being read.
// The files go to a folder under the working folder, so the figures are
// those of that disk (a save file is flushed to disk before it replaces the
// old one; an append is not).
#include "engine/Moves.h"
#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"
#include "session/SaveKeeper.h"
#include "session/cTrans.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

using namespace cardova;

namespace {
// Saves timed one by one per run of the append benchmark: the log stays
// far below its 32,767 records.
constexpr int kTimedSaves = 2000;
constexpr double kMicrosecondsPerSecond = 1e6;

struct KeptGame {
    QTemporaryDir dir{QDir::current().filePath(QStringLiteral("bench-save-XXXXXX"))};
    std::unique_ptr<GameContext> ctx;

    std::unique_ptr<GameContext> open()
    {
        auto data = std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path());
        data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
        auto c = std::make_unique<GameContext>(std::move(data));
        c->animate = false;
        InitMain(*c);
        return c;
    }
    // Klondike with the stock turned over and over: one record a turn, a
    // group for every waste turned back.
    explicit KeptGame(int moves)
    {
        ctx = open();
        ctx->data.SetAutoplay(0);
        NewGame(*ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
        while (ctx->trans->TransTop < moves)
            playOne();
    }
    void playOne()
    {
        if (!playMove(*ctx, Move::turnStock()))
            playMove(*ctx, Move::turnWasteBack());
    }
};

double percentile(std::vector<double> v, double share)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(double(v.size()) * share))];
}

// The keeper is called as the window calls it, when the table comes to
// rest after the move; only that call is timed.
void appendAfterAMove(benchmark::State &state)
{
    KeptGame game(int(state.range(0)));
    game.ctx->data.setIntSetting(IntKey::ContinueGame, 1);
    SaveKeeper keeper(*game.ctx);
    keeper.saveNow();
    std::vector<double> micros;
    for (auto _ : state) {
        game.playOne();
        const auto begin = std::chrono::steady_clock::now();
        keeper.settle();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        state.SetIterationTime(took.count());
        micros.push_back(took.count() * kMicrosecondsPerSecond);
    }
    state.counters["median_us"] = percentile(micros, 0.5);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["appends"] = keeper.appends();
    state.counters["rewrites"] = keeper.writes();
}

void rewriteWhole(benchmark::State &state)
{
    KeptGame game(int(state.range(0)));
    for (auto _ : state) {
        const QString problem = writeSavedGame(*game.ctx);
        if (!problem.isEmpty())
            state.SkipWithError(problem.toStdString().c_str());
    }
    state.counters["records"] = game.ctx->trans->TransTop;
}

void restoreAtStart(benchmark::State &state)
{
    KeptGame game(int(state.range(0)));
    const SavedGame saved = captureGame(*game.ctx);
    for (auto _ : state) {
        auto next = game.open();
        QString why;
        if (!restoreGame(*next, saved, &why))
            state.SkipWithError(why.toStdString().c_str());
    }
}
// A text of the longest log and `chunks` chunks that add nothing: about 50
// bytes a chunk.
QByteArray manyChunks(int chunks)
{
    SavedGame g;
    g.gameName = QStringLiteral("Klondike");
    g.gameNumber = QStringLiteral("1");
    g.player = QStringLiteral("Player1");
    g.record = GameRecord{};
    TransRecord r;
    r.PicID = 5;
    r.DCell = kFoundation;
    g.records.assign(size_t(cTrans::kMaxMoves), r);
    g.transPos = cTrans::kMaxMoves;
    QByteArray text = savedGameText(g);
    const QByteArray nothingNew = savedGameChunk(g, g.records.size());
    for (int i = 0; i < chunks; ++i)
        text += nothingNew;
    return text;
}

void readManyChunks(benchmark::State &state)
{
    const QByteArray text = manyChunks(int(state.range(0)));
    for (auto _ : state) {
        QString why;
        if (!parseSavedGame(text, &why))
            state.SkipWithError(why.toStdString().c_str());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    state.counters["MB"] = double(text.size()) / (1024.0 * 1024.0);
}

// The crafted file of the report: 2.1 million chunks, about 100 MB, kept
// at start; timed up to its being set aside.
void setAsideHugeFile(benchmark::State &state)
{
    KeptGame game(10);
    const QByteArray text = manyChunks(2100000);
    for (auto _ : state) {
        state.PauseTiming();
        auto next = game.open();
        QFile file(savedGamePath(next->data));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        file.close();
        state.ResumeTiming();
        if (continueSavedGame(*next).kind != ContinueResult::Kind::SetAside)
            state.SkipWithError("the file was not set aside");
        state.PauseTiming();
        QFile::remove(savedGamePath(next->data) + QStringLiteral(".damaged"));
        state.ResumeTiming();
    }
    state.counters["MB"] = double(text.size()) / (1024.0 * 1024.0);
}
} // namespace

BENCHMARK(readManyChunks)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(setAsideHugeFile)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(appendAfterAMove)
    ->Arg(50)
    ->Arg(1000)
    ->Arg(5000)
    ->Iterations(kTimedSaves)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(rewriteWhole)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(restoreAtStart)->Arg(50)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
