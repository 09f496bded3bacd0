// Renders every dialog offscreen to a PNG under the build folder, so the
// pictures can be looked at and a change that breaks drawing is noticed.
#include "DialogTestSupport.h"

#include "rules/ClassicGames.h"
#include "session/Lifecycle.h"
#include "ui/appearance/Help.h"
#include "ui/appearance/HelpViewer.h"
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
#include <QLabel>
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

TEST_F(DialogRenderTest, TheSelectionShowsAClassicAndADesignedVariantWholeAtItsSmallestAndLargest)
{
    saveManyRulesVariant(6);
    ASSERT_EQ(ctx->custom.SaveGame(QStringLiteral("FreeCell"), *classicRecord(QStringLiteral("FreeCell"))), "");
    reloadGames();
    for (const QString &game : {QStringLiteral("Canfield"), QStringLiteral("Harbour Lights")}) {
        for (const bool largest : {false, true}) {
            ui::frmSelect dlg(*ctx);
            auto *tree = control<QTreeWidget>(dlg, "TreeView1");
            tree->setCurrentItem(tree->findItems(game, Qt::MatchExactly | Qt::MatchRecursive).first());
            dlg.show();
            QCoreApplication::processEvents();
            // The smallest a player can make it: the minimum size clamps.
            dlg.resize(largest ? QSize(1920, 1080) : QSize(1, 1));
            QCoreApplication::processEvents();
            // Every rule sentence has the room its wrapped lines need.
            const auto *more = control<QLabel>(dlg, "lbMoreRules");
            EXPECT_TRUE(more->isVisible()) << game.toStdString();
            EXPECT_GE(more->height(), more->heightForWidth(more->width()))
                << game.toStdString() << " " << largest << " " << dlg.width() << "x" << dlg.height();
            const QRect inDialog(more->mapTo(&dlg, QPoint(0, 0)), more->size());
            EXPECT_TRUE(dlg.rect().contains(inDialog)) << game.toStdString() << " " << largest;
            render(dlg, QStringLiteral("select-%1-%2")
                            .arg(game == QLatin1String("Canfield") ? QStringLiteral("classic")
                                                                   : QStringLiteral("designed"),
                                 largest ? QStringLiteral("largest") : QStringLiteral("smallest")));
        }
    }
}

TEST_F(DialogRenderTest, AClassicsHelpPageDraws)
{
    ASSERT_EQ(ctx->custom.SaveGame(QStringLiteral("FreeCell"), *classicRecord(QStringLiteral("FreeCell"))), "");
    reloadGames();
    ui::Help help(ctx->data, ctx->custom);
    help.ShowRules(QStringLiteral("FreeCell"));
    ASSERT_NE(help.viewer(), nullptr);
    help.viewer()->resize(640, 720);
    render(*help.viewer(), QStringLiteral("help-freecell"));

    // A variant of it made in the wizard gets the page made from its file.
    GameRecord variant = *classicRecord(QStringLiteral("FreeCell"));
    variant.cells = 2;
    variant.hSpace = 12;
    ASSERT_EQ(ctx->custom.SaveGame(QStringLiteral("Two Cell"), variant), "");
    reloadGames();
    help.ShowRules(QStringLiteral("Two Cell"));
    help.viewer()->resize(640, 720);
    render(*help.viewer(), QStringLiteral("help-designed"));
}

} // namespace
