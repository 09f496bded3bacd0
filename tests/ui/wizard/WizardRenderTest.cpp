// Renders the wizard's dialogs offscreen to PNGs under the build folder, so
// the pictures can be looked at and a change that breaks drawing is noticed.
#include "WizardTestSupport.h"

#include "ui/wizard/frmAddGame.h"
#include "ui/wizard/frmGamesWizard.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
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

// Both pages of the create dialog at its smallest size and at a large one,
// with a standard game and with a classic chosen under "Start from:".
TEST_F(WizardRenderTest, CreateDialogDrawsEveryPageAtTheSmallestAndALargeSize)
{
    for (const char *game : {"Klondike", "FreeCell", "Canfield"}) {
        for (const bool large : {false, true}) {
            ui::frmAddGame dlg(*ctx);
            auto *start = control<QComboBox>(dlg, "imcStartFrom");
            start->setCurrentIndex(start->findText(QLatin1String(game)));
            Q_EMIT start->activated(start->currentIndex());
            dlg.show();
            dlg.resize(large ? QSize(1600, 1000) : dlg.minimumSizeHint());
            auto *pages = control<QTabWidget>(dlg, "tabRules");
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                render(dlg, QStringLiteral("wizard-add-%1-%2-page%3")
                                .arg(QString::fromLatin1(game).toLower(), large ? "large" : "small")
                                .arg(page + 1));
            }
        }
    }
}

// Rules the engine cannot deal: the picture keeps the empty places and the
// reason shows below it; the focused choice explains itself.
TEST_F(WizardRenderTest, CreateDialogDrawsRefusedRules)
{
    ui::frmAddGame dlg(*ctx);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    auto *piles = control<QComboBox>(dlg, "imcHomePiles");
    piles->setCurrentIndex(piles->findData(10));
    piles->setFocus();
    render(dlg, QStringLiteral("wizard-add-refused"));
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
