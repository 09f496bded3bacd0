// What keeping the game for the next start costs: the whole file written
// through a save file after a move, and the restore at start, for games
// with 50, 200 and 1000 logged moves. The files go to a folder under the
// working folder, so the figures are those of that disk (a save file is
// flushed to disk before it replaces the old one).
#include "engine/Moves.h"
#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace cardova;

namespace {
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
            if (!playMove(*ctx, Move::turnStock()))
                playMove(*ctx, Move::turnWasteBack());
    }
};

void writeAfterAMove(benchmark::State &state)
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
} // namespace

BENCHMARK(writeAfterAMove)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(restoreAtStart)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
