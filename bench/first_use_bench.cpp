// The first use of what the program loads only when it is used, offscreen:
// the first sound (from asking for it until the sound part, loaded on a
// worker meanwhile, has read the wave and opened the device, or found it
// missing) and the first and second opening of each statistics window (the
// charts part comes with the first chart).
// Goal: each first use under 150 ms.
//   QT_QPA_PLATFORM=offscreen bench_first_use [--charts-ahead]
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/parts/Charts.h"
#include "ui/parts/LazySound.h"
#include "ui/parts/sound/AlsaSoundPlayer.h"
#include "ui/stats/frmGameStat.h"
#include "ui/stats/frmLogStat.h"
#include "ui/stats/frmSesStat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace cardova;

namespace {
constexpr int kWaitLimitMs = 5000;

// Milliseconds until `done` holds, letting events run meanwhile.
template <typename Done>
double msUntil(const QElapsedTimer &since, Done done)
{
    while (!done() && since.elapsed() < kWaitLimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return since.nsecsElapsed() / 1e6;
}

template <typename Window>
double openAndShow(GameContext &ctx)
{
    QElapsedTimer t;
    t.start();
    Window window(ctx);
    window.show();
    QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

template <typename Window>
void timeWindow(GameContext &ctx, const char *name)
{
    const double first = openAndShow<Window>(ctx);
    const double second = openAndShow<Window>(ctx);
    std::printf("%-12s first opening %6.1f ms, second %6.1f ms\n", name, first, second);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    auto data = std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path());
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    GameContext ctx(std::move(data));
    InitMain(ctx);

    ui::LazySound sound;
    QElapsedTimer t;
    t.start();
    sound.play(Wave::Start);
    const double asked = t.nsecsElapsed() / 1e6;
    const double loaded = msUntil(t, [&] { return sound.player() != nullptr; });
    const auto *player = dynamic_cast<const ui::AlsaSoundPlayer *>(sound.player());
    // Ready: the worker has started the wave's voice, or found it cannot.
    const double ready = msUntil(t, [&] { return !player || player->soundsStarted() + player->soundsSilenced() > 0; });
    const bool started = player && player->soundsStarted() > 0;
    const QString why = player ? player->problem() : QStringLiteral("no part: %1").arg(sound.problem());
    std::printf("first sound: the call returned in %.1f ms, part in after %.1f ms, wave %s after %.1f ms%s\n", asked,
                loaded, started ? "playing" : "silent", ready,
                why.isEmpty() ? "" : qPrintable(QStringLiteral(" (%1)").arg(why)));

    // With an argument the chart part is loaded ahead, to tell its share.
    if (argc > 1) {
        QElapsedTimer load;
        load.start();
        ui::chartPart();
        std::printf("chart part loaded ahead in %.1f ms\n", load.nsecsElapsed() / 1e6);
    }
    timeWindow<ui::frmGameStat>(ctx, "frmGameStat");
    timeWindow<ui::frmSesStat>(ctx, "frmSesStat");
    timeWindow<ui::frmLogStat>(ctx, "frmLogStat");
    return 0;
}
