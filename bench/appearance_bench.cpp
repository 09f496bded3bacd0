// Drawing the table's pictures: all 52 faces, the back and the table
// background from cold caches at device pixel ratio 2 (goal: under 100 ms),
// and painting a full-HD background from the cache or afresh (goal: under 2 ms).
#include "settings/cData.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/BackgroundTiles.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace cardova;
using namespace cardova::ui;

namespace {
// The table background's fixed size, 15480 x 11205 twips.
const QSize kTableSize(1032, 747);

void BM_DrawFacesBackAndBackground(benchmark::State &state)
{
    QTemporaryDir dir;
    cData data(dir.filePath(QStringLiteral("s.ini")), dir.path());
    data.setIntSetting(IntKey::BGIndex, int16_t(state.range(0)));
    for (auto _ : state) {
        const Appearance look(data, 2.0); // cold caches every time
        for (int k = 1; k <= 52; ++k)
            benchmark::DoNotOptimize(look.MainPic(k));
        benchmark::DoNotOptimize(look.DeckPic());
        benchmark::DoNotOptimize(look.tableBackground(kTableSize));
    }
}
// 1007 the default colour, 71 the largest wooden tile, 42 a star field.
BENCHMARK(BM_DrawFacesBackAndBackground)->Arg(1007)->Arg(71)->Arg(42)->Unit(benchmark::kMillisecond);

// Each tile alone at ratio 2, to find the slow ones.
void BM_RenderTile(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(renderTile(int(state.range(0)), 2.0));
}
BENCHMARK(BM_RenderTile)->Apply([](benchmark::internal::Benchmark *b) {
    for (int id : tileIds())
        b->Arg(id);
})->Unit(benchmark::kMillisecond);

void BM_PaintCachedBackground(benchmark::State &state)
{
    QTemporaryDir dir;
    cData data(dir.filePath(QStringLiteral("s.ini")), dir.path());
    const Appearance look(data, 1.0);
    const QSize fullHd(1920, 1080);
    QImage target(fullHd, QImage::Format_ARGB32_Premultiplied);
    look.background(int(state.range(0)), fullHd, 1, 128); // fill the cache
    for (auto _ : state) {
        QPainter p(&target);
        look.SetBG(int(state.range(0)), p, fullHd, 1, 128);
    }
}
BENCHMARK(BM_PaintCachedBackground)->Arg(1007)->Arg(71)->Unit(benchmark::kMillisecond);

// The table paints its background afresh at every repaint (no window-sized
// picture is kept): a full-HD table, and one card's worth of it.
void BM_PaintTableBackground(benchmark::State &state)
{
    QTemporaryDir dir;
    cData data(dir.filePath(QStringLiteral("s.ini")), dir.path());
    data.setIntSetting(IntKey::BGIndex, int16_t(state.range(0)));
    const Appearance look(data, 1.0);
    const QRect fullHd(0, 0, 1920, 1080);
    const QRect only = state.range(1) ? QRect(400, 300, 71, 96) : fullHd;
    QImage target(fullHd.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        look.paintTableBackground(p, fullHd, only);
    }
}
BENCHMARK(BM_PaintTableBackground)->Args({1007, 0})->Args({71, 0})->Args({42, 0})->Args({1007, 1})->Args({71, 1})
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
