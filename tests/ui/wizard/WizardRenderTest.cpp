// Renders the wizard's dialogs offscreen to PNGs under the build folder, so
// the pictures can be looked at and a change that breaks drawing is noticed.
#include "WizardTestSupport.h"

#include "ui/wizard/frmAddGame.h"
#include "ui/wizard/frmGamesWizard.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QSet>

using namespace cardova;
using namespace cardova::test;

namespace {

class WizardRenderTest : public WizardFixture {
protected:
    // Grabs the shown dialog, saves it and checks that it holds a picture
    // rather than a blank area.
    void render(QWidget &dialog, const QString &name)
    {
        dialog.show();
        QCoreApplication::processEvents();
        const QImage image = dialog.grab().toImage();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_GE(image.width(), dialog.minimumSizeHint().width()) << name.toStdString();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 20) << name.toStdString() << ": hardly anything drawn";
        QDir().mkpath(QStringLiteral(WIZARD_SHOTS_DIR));
        EXPECT_TRUE(image.save(QStringLiteral(WIZARD_SHOTS_DIR "/") + name + QStringLiteral(".png")));
        dialog.close();
    }
};

TEST_F(WizardRenderTest, CreateDialogDraws)
{
    ui::frmAddGame dlg(*ctx);
    render(dlg, QStringLiteral("wizard-add"));
}

TEST_F(WizardRenderTest, WizardDialogDrawsEmptyFilledAndDamaged)
{
    {
        ui::frmGamesWizard dlg(*ctx);
        render(dlg, QStringLiteral("wizard-empty"));
    }
    writeFile(QStringLiteral("Spider Lane.gam"), "2,13,4,8,10,9,1,0\r\n");
    writeFile(QStringLiteral("Avenue.gam"), "0,0,0,4,13,7,0,1\r\n");
    writeFile(QStringLiteral("Broken.gam"), "1,2\r\n");
    ctx->custom.Init();
    ui::frmGamesWizard dlg(*ctx);
    render(dlg, QStringLiteral("wizard-list"));
    auto *list = control<QListWidget>(dlg, "ListView1");
    list->setCurrentRow(1);
    render(dlg, QStringLiteral("wizard-damaged"));
}

} // namespace
