// The table fitted to the window, offscreen: resizing a 1920 x 1080 window
// with the 52 cards of a Klondike deal on the table, as dealt (argument 0)
// and every one face up (1), and of a FreeCell deal with its cells (2), the
// card art re-rendered for the new zoom and the table drawn (goal: under
// 30 ms); drawing it again at the same size, every picture cached; and the
// 52 faces alone at the full-HD zoom.
//   QT_QPA_PLATFORM=offscreen bench_zoom
#include "rules/ClassicGames.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/appearance/Appearance.h"
#include "ui/windows/SolverAdvice.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmMain.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <array>
#include <memory>

using namespace cardova;

namespace {
// Client sizes near full HD, each with a zoom of its own, more than the
// picture caches keep: every resize re-renders the card art.
const QSize kSizes[] = {{1920, 1080}, {1880, 1050}, {1840, 1020}, {1800, 990}, {1760, 960}};

struct Table {
    QTemporaryDir dir;
    std::unique_ptr<GameContext> ctx;
    std::unique_ptr<ui::Appearance> art;
    std::unique_ptr<ui::frmMain> window;
    QImage target;

    enum class Deal { Dealt, AllFaces, FreeCell };

    explicit Table(Deal deal)
    {
        auto data = std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path());
        data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
        ctx = std::make_unique<GameContext>(std::move(data));
        art = std::make_unique<ui::Appearance>(ctx->data, qApp->devicePixelRatio());
        window = std::make_unique<ui::frmMain>(*ctx, *art);
        window->show();
        window->tmrMain.stop();
        window->tmrTime.stop();
        window->table()->setFrameInterval(0);
        QString game = QStringLiteral("Klondike");
        if (deal == Deal::FreeCell) {
            game = QStringLiteral("FreeCell");
            ctx->custom.SaveGame(game, *classicRecord(game));
            ctx->custom.Init();
        }
        NewGame(*ctx, game, GameNumber::fromNumber(1));
        // The background solver would take a core away from the drawing.
        window->solver().service().cancel();
        window->solver().service().waitUntilIdle();
        if (deal == Deal::AllFaces) // the most art to draw
            for (cCard &c : ctx->cards)
                c.FaceMode = kFaceUp;
        resizeClient(kSizes[0]);
        draw();
    }
    ui::TableView &view() { return *window->table(); }
    void resizeClient(const QSize &client)
    {
        window->resize(client + window->size() - view().size());
        QCoreApplication::sendPostedEvents();
    }
    void draw()
    {
        if (target.size() != view().size() * view().devicePixelRatioF()) {
            target = QImage(view().size() * view().devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
            target.setDevicePixelRatio(view().devicePixelRatioF());
        }
        QPainter p(&target);
        view().render(&p);
    }
};

// The tables, made when first asked for; main lets go of them while the
// application still exists (windows outliving it crash at exit).
std::array<std::unique_ptr<Table>, 3> &tables()
{
    static std::array<std::unique_ptr<Table>, 3> made;
    return made;
}

Table &table(Table::Deal deal = Table::Deal::AllFaces)
{
    std::unique_ptr<Table> &t = tables()[size_t(deal)];
    if (!t)
        t = std::make_unique<Table>(deal);
    return *t;
}

void BM_ResizeAndDraw(benchmark::State &state)
{
    Table &t = table(static_cast<Table::Deal>(state.range(0)));
    size_t next = 1;
    for (auto _ : state) {
        t.resizeClient(kSizes[next]);
        t.draw();
        next = (next + 1) % std::size(kSizes);
    }
    state.counters["zoom"] = t.view().zoom();
    int up = 0;
    for (const cCard &c : t.ctx->cards)
        up += c.Visible && c.FaceMode == kFaceUp;
    state.counters["faces"] = up;
}
BENCHMARK(BM_ResizeAndDraw)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawAfterResize(benchmark::State &state)
{
    Table &t = table();
    t.resizeClient(kSizes[0]);
    t.draw();
    for (auto _ : state)
        t.draw();
    state.counters["zoom"] = t.view().zoom();
}
BENCHMARK(BM_DrawAfterResize)->Unit(benchmark::kMillisecond)->UseRealTime();

// The part of a resize that is the card art: 52 faces at the full-HD zoom.
void BM_RenderFacesAtZoom(benchmark::State &state)
{
    Table &t = table();
    QList<int> faces;
    for (int k = 1; k <= kDeckSize; ++k)
        faces.append(k);
    for (auto _ : state) {
        t.art->clearCaches();
        t.art->prepare(faces, {}, t.view().zoom());
    }
}
BENCHMARK(BM_RenderFacesAtZoom)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tables() = {};
    return 0;
}
