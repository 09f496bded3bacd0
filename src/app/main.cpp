// Cardova: the program entry. One copy runs per account: a later start asks
// the running one to the front and ends, having written nothing. The
// settings come first, then the splash; the main window and the game
// selection follow it (or, without the splash, the game kept when the
// program last closed, which needs no selection). `cardova GAME [NUMBER]`
// starts that game at once; "--help" prints the usage without a window.
#include "session/GameContext.h"
#include "settings/StartRequest.h"
#include "ui/appearance/Appearance.h"
#include "ui/parts/LazySound.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/SingleInstance.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

using namespace cardova;

namespace {
const QString kProdName = QStringLiteral("Cardova");
// How long a later start waits for the running copy to take its request.
constexpr int kAnswerWaitMs = 2000;

// "--help" is answered before Qt starts, so it works without a display.
bool helpAsked(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return parseStartArguments(args).kind == StartRequest::Kind::Help;
}
} // namespace

int main(int argc, char **argv)
{
    if (helpAsked(argc, argv)) {
        std::fputs(qPrintable(startUsage(QStringLiteral("cardova"))), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    ui::setUpApplication(QStringLiteral(CARDOVA_VERSION));
    // Qt has taken its own options ("-platform ...") out of the arguments.
    const StartRequest request = parseStartArguments(app.arguments().mid(1));

    ui::SingleInstance instance(cData::defaultAppDir(kProdName));
    if (!instance.claim()) {
        // The running copy comes to the front as it is: a game it may be
        // in the middle of is not replaced from outside.
        if (request.kind == StartRequest::Kind::Game)
            std::fputs("Cardova is already running, so the game named was not started there.\n", stderr);
        if (!instance.askRunningToShow(kAnswerWaitMs))
            QMessageBox::information(nullptr, kProdName, QStringLiteral("Cardova is already running."));
        return 0;
    }

    auto data = std::make_unique<cData>();
    data->InitCD(kProdName, 3, QStringLiteral("cdv.chm"));
    GameContext ctx(std::move(data));
    ui::LazySound sound; // the sound part (ALSA) is loaded with the first sound
    ctx.setSoundPlayer(&sound);
    ui::Appearance art(ctx.data, app.devicePixelRatio());

    ui::ProgramStart start(ctx, art);
    start.setRequest(request);
    QObject::connect(&instance, &ui::SingleInstance::showRequested, [&start] { start.bringToFront(); });
    start.begin();
    return app.exec();
}
