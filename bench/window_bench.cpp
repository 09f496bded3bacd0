// Window timings, offscreen: program start to the first window, building the
// main window, one full repaint of a 1920 x 1080 table with 52 cards (median
// and 99th percentile), and dragging a 13-card run over 200 mouse moves.
//   QT_QPA_PLATFORM=offscreen bench_window
#include "session/Input.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/appearance/Appearance.h"
#include "ui/windows/SolverAdvice.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmMain.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace cardova;

namespace {
double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// Every card face up, spread over the table, as late in a game.
void spreadAllCards(GameContext &ctx)
{
    for (int i = 0; i < kDeckSize; ++i) {
        cCard &c = ctx.cards[size_t(i)];
        c.Visible = true;
        c.FaceMode = i % 5 == 0 ? 1 : 0;
        c.Left = 3000 + (i % 7) * 1165;
        c.Top = 1840 + (i / 7) * 250;
        ctx.bringToFront(int16_t(i));
    }
}
} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    auto data = std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path());
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    GameContext ctx(std::move(data));
    ui::Appearance art(ctx.data, app.devicePixelRatio());

    ui::frmSplash splash({});
    splash.show();
    QCoreApplication::processEvents();
    const double toSplash = sinceStart.nsecsElapsed() / 1e6;
    splash.Timer1.stop();

    QElapsedTimer t;
    t.start();
    ui::frmMain window(ctx, art);
    window.show();
    QCoreApplication::processEvents();
    const double mainWindow = t.nsecsElapsed() / 1e6;
    std::printf("start to first window (splash): %.1f ms\n", toSplash);
    std::printf("main window built and shown:    %.1f ms\n", mainWindow);

    window.tmrMain.stop();
    window.tmrTime.stop();
    window.table()->setFrameInterval(0);
    window.resize(1920, 1080 + window.height() - window.table()->height());
    NewGame(ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(1));
    spreadAllCards(ctx);
    ui::TableView *view = window.table();
    QImage target(view->size() * view->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(view->devicePixelRatioF());
    std::vector<double> paints;
    for (int i = 0; i < 300; ++i) {
        t.restart();
        QPainter p(&target);
        view->render(&p);
        p.end();
        paints.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("full repaint %dx%d, 52 cards: median %.2f ms, p99 %.2f ms\n", view->width(), view->height(),
                percentile(paints, 0.5), percentile(paints, 0.99));

    // A run of 13 cards on pile 0, picked at its King and dragged.
    for (int i = 0; i < kDeckSize; ++i)
        ctx.cards[size_t(i)].Visible = false;
    NewGame(ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(1));
    ctx.table.Clear();
    for (int n = 0; n < 13; ++n) {
        const int16_t id = int16_t(n);
        ctx.cards[size_t(id)].SetValue(int16_t(n % 2 == 0 ? 1 : 0), int16_t(12 - n), 0);
        ctx.cards[size_t(id)].FaceMode = 0;
        ctx.table.PutCard(id, kTableau, 0, int16_t(n));
    }
    CardMouseDown(ctx, 0, 100, 100);
    std::vector<double> moves;
    for (int i = 0; i < 200; ++i) {
        t.restart();
        CardMouseMove(ctx, 0, 100 + 30, 100 + 15);
        view->repaint();
        moves.push_back(t.nsecsElapsed() / 1e6);
    }
    CardMouseUp(ctx, 0);

    // What the window's 100 ms and 500 ms timers do while a game waits for
    // the player: their cost per tick is the program's idle CPU.
    constexpr int kTicks = 2000;
    t.restart();
    for (int i = 0; i < kTicks; ++i) {
        window.RefreshCommands();
        window.RefreshToolbar();
        window.solver().sync();
    }
    const double commandTick = t.nsecsElapsed() / 1e3 / kTicks;
    t.restart();
    for (int i = 0; i < kTicks; ++i)
        window.RefreshCounters();
    const double clockTick = t.nsecsElapsed() / 1e3 / kTicks;
    std::printf("idle ticks with a game: commands %.1f us (10 per s), counters %.1f us (2 per s)\n", commandTick,
                clockTick);
    double sum = 0;
    for (double m : moves)
        sum += m;
    std::printf("drag of 13 cards, 200 moves: mean %.2f ms, p99 %.2f ms per move (dragging: %s)\n",
                sum / double(moves.size()), percentile(moves, 0.99), ctx.input.DragCount == 12 ? "yes" : "no");
    return 0;
}
