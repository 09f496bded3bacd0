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
    void render(QWidget &dialog, const QString &name)
    {
        renderAndSave(dialog, QStringLiteral(WIZARD_SHOTS_DIR), name);
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
