// Renders every dialog offscreen to a PNG under the build folder, so the
// pictures can be looked at and a change that breaks drawing is noticed.
#include "DialogTestSupport.h"

#include "session/Lifecycle.h"
#include "ui/dialogs/frmChoose.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/dialogs/dlGInput.h"
#include "ui/dialogs/frmHighScore.h"
#include "ui/dialogs/frmOrgFav.h"
#include "ui/dialogs/frmPlayFav.h"
#include "ui/dialogs/frmPlayers.h"
#include "ui/dialogs/frmSelect.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>

using namespace cardova;
using namespace cardova::test;

namespace {

class DialogRenderTest : public DialogFixture {
protected:
    void render(QWidget &dialog, const QString &name)
    {
        renderAndSave(dialog, QStringLiteral(DIALOG_SHOTS_DIR), name);
    }
};

TEST_F(DialogRenderTest, EveryDialogDraws)
{
    writeFile(QStringLiteral("Spider Lane.gam"), "2,13,4,8,10,9,1,0\r\n");
    writeFile(QStringLiteral("Broken.gam"), "1,2\r\n");
    reloadGames();
    addScoreLine("Ann", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    addScoreLine("Ann", "\"2024-05-03 12:00:00\",\"Lawn\",13,250,120,300,1");
    addScoreLine("Bob", "\"2024-05-04 13:00:00\",\"Klondike Plus\",\"77\",500,90,150,1");

    ctx->data.SetLastGName(QStringLiteral("Klondike Plus"));
    {
        ui::frmSelect dlg(*ctx);
        render(dlg, QStringLiteral("select"));
        auto *tree = control<QTreeWidget>(dlg, "TreeView1");
        tree->setCurrentItem(tree->findItems(QStringLiteral("Broken"), Qt::MatchExactly | Qt::MatchRecursive).first());
        render(dlg, QStringLiteral("select-damaged"));
    }
    {
        ctx->data.setIntSetting(IntKey::RangeIndex, 15);
        ui::frmChoose dlg(*ctx);
        render(dlg, QStringLiteral("choose"));
    }
    {
        start(QStringLiteral("Klondike"), 4711);
        advanceClock(307);
        FinalCounters(*ctx);
        ui::frmFinish dlg(*ctx, {});
        render(dlg, QStringLiteral("finish"));
    }
    {
        ui::frmHighScore dlg(*ctx);
        render(dlg, QStringLiteral("highscore-top"));
        control<QTabWidget>(dlg, "SSTab1")->setCurrentIndex(3);
        render(dlg, QStringLiteral("highscore-finished"));
    }
}

TEST_F(DialogRenderTest, FavouritesAndPlayersDialogsDraw)
{
    ctx->scores.AddFav(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    ctx->scores.AddFav(QStringLiteral("Klondike"), *GameNumber::fromText(QStringLiteral("77")));
    ctx->scores.AddFav(QStringLiteral("Lawn"), GameNumber::fromNumber(12));
    ctx->data.SetCurGName(QStringLiteral("Klondike"));
    {
        ui::frmOrgFav dlg(*ctx);
        render(dlg, QStringLiteral("orgfav"));
    }
    {
        ui::frmPlayFav dlg(*ctx);
        render(dlg, QStringLiteral("playfav"));
    }
    {
        ctx->data.SetPlayer(3, QStringLiteral("Carla"), false);
        ui::frmPlayers dlg(*ctx);
        render(dlg, QStringLiteral("players"));
    }
    {
        ui::dlGInput dlg(ctx->data.ProdName());
        dlg.setUp(QStringLiteral("Edit Player"), QStringLiteral("Carla"));
        render(dlg, QStringLiteral("name-input"));
    }
}

} // namespace
