// Cardova: the program entry. The settings come first, then the splash; the
// main window and the game selection follow it (or the game kept when the
// program last closed, which needs no selection).
#include "session/GameContext.h"
#include "ui/appearance/Appearance.h"
#include "ui/parts/LazySound.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/frmMain.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>
#include <QTimer>
#include <memory>

using namespace cardova;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::setUpApplication(QStringLiteral(CARDOVA_VERSION));

    auto data = std::make_unique<cData>();
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    GameContext ctx(std::move(data));
    ui::LazySound sound; // Qt Multimedia is loaded once the table is up
    ctx.setSoundPlayer(&sound);
    ui::Appearance art(ctx.data, app.devicePixelRatio());

    std::unique_ptr<ui::frmMain> mainWindow;
    ui::frmSplash splash([&] {
        mainWindow = std::make_unique<ui::frmMain>(ctx, art);
        ui::wireDialogs(*mainWindow);
        mainWindow->show();
        QTimer::singleShot(0, &sound, [&sound] { sound.preload(); });
        if (!mainWindow->continueSavedGame())
            ui::showStartSelection(*mainWindow);
    });
    splash.show();
    const int status = app.exec();
    mainWindow.reset();
    return status;
}
