// Cardova: the program entry. One copy runs per account: a later start asks
// the running one to the front and ends, having written nothing. The
// settings come first, then the splash; the main window and the game
// selection follow it (or, without the splash, the game kept when the
// program last closed, which needs no selection).
#include "session/GameContext.h"
#include "ui/appearance/Appearance.h"
#include "ui/parts/LazySound.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/SingleInstance.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

using namespace cardova;

namespace {
const QString kProdName = QStringLiteral("Cardova");
// How long a later start waits for the running copy to take its request.
constexpr int kAnswerWaitMs = 2000;
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::setUpApplication(QStringLiteral(CARDOVA_VERSION));

    ui::SingleInstance instance(cData::defaultAppDir(kProdName));
    if (!instance.claim()) {
        if (!instance.askRunningToShow(kAnswerWaitMs))
            QMessageBox::information(nullptr, kProdName, QStringLiteral("Cardova is already running."));
        return 0;
    }

    auto data = std::make_unique<cData>();
    data->InitCD(kProdName, 3, QStringLiteral("cdv.chm"));
    GameContext ctx(std::move(data));
    ui::LazySound sound; // Qt Multimedia is loaded with the first sound
    ctx.setSoundPlayer(&sound);
    ui::Appearance art(ctx.data, app.devicePixelRatio());

    ui::ProgramStart start(ctx, art);
    QObject::connect(&instance, &ui::SingleInstance::showRequested, [&start] { start.bringToFront(); });
    start.begin();
    return app.exec();
}
