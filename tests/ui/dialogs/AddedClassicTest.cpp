// A classic added from the game selection is one of the player's games
// everywhere: the number dialog, the statistics, the high scores, the
// favourites, the recent games and the export.
#include "DialogTestSupport.h"

#include "session/MoveDriver.h"
#include "solver/Solver.h"
#include "ui/dialogs/frmChoose.h"
#include "ui/dialogs/frmHighScore.h"
#include "ui/dialogs/frmPlayFav.h"
#include "ui/dialogs/frmSelect.h"
#include "ui/stats/frmGameStat.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace cardova;
using namespace cardova::test;

namespace {

const QString kGame = QStringLiteral("FreeCell");

class AddedClassicTest : public DialogFixture {
protected:
    // Chooses a game in the selection and plays it, as a click on "Play".
    void playFromSelection(const QString &game)
    {
        ui::frmSelect dlg(*ctx);
        auto *tree = control<QTreeWidget>(dlg, "TreeView1");
        const auto found = tree->findItems(game, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << game.toStdString();
        tree->setCurrentItem(found.first());
        dlg.show();
        control<QPushButton>(dlg, "cmdPlay")->click();
        ASSERT_EQ(dlg.result(), QDialog::Accepted);
    }
    // Plays the solver's winning line of the deal on the table.
    void winByTheSolversLine()
    {
        const Rules rules = currentRules(*ctx);
        Budget budget;
        budget.maxNodes = 2'000'000;
        const SolveResult r = solve(currentPosition(*ctx, rules), rules, ctx->data.Autoplay() != 0, budget);
        ASSERT_EQ(r.verdict, Verdict::Winnable);
        for (const Move &m : r.line)
            ASSERT_TRUE(playMove(*ctx, m));
    }
    QStringList cells(const QTreeWidget &list, const QString &first)
    {
        for (const QString &row : rowTexts(list))
            if (row.startsWith(first + QLatin1Char('|')))
                return row.split(QLatin1Char('|'));
        return {};
    }
};

TEST_F(AddedClassicTest, AWonAndALostGameOfAnAddedClassicCountLikeAnyDesignedGame)
{
    // Added and dealt from the selection, then dealt again by its number.
    playFromSelection(kGame);
    ASSERT_EQ(ctx->data.CurGName(), kGame);
    {
        ui::frmChoose dlg(*ctx);
        auto *games = control<QComboBox>(dlg, "imcGames");
        EXPECT_TRUE(entries(*games).contains(kGame));
        choose(*games, kGame);
        control<QLineEdit>(dlg, "Text1")->setText(QStringLiteral("1"));
        control<QPushButton>(dlg, "cmdSelect")->click();
    }
    ASSERT_EQ(ctx->data.CurGName(), kGame);
    ASSERT_EQ(ctx->data.CurGNo().toText(), "1");
    advanceClock(90);
    winByTheSolversLine();
    EXPECT_EQ(recordWinHandler().opened, 1);
    ASSERT_TRUE(ctx->scores.AddFav(ctx->data.CurGName(), ctx->data.CurGNo()));
    playFromSelection(QStringLiteral("Klondike")); // records the won game

    EXPECT_EQ(ctx->data.GetRecent(1), "Klondike");
    EXPECT_EQ(ctx->data.GetRecent(2), kGame);

    {
        ui::frmGameStat stats(*ctx);
        const QStringList row = cells(*control<QTreeWidget>(stats, "lvGames"), kGame);
        ASSERT_GE(row.size(), 4) << rowTexts(*control<QTreeWidget>(stats, "lvGames")).join(" / ").toStdString();
        EXPECT_EQ(row.mid(1, 3), QStringList({"2", "1", "1"})) << "played, won, lost";
        EXPECT_TRUE(entries(*control<QComboBox>(stats, "imcGames")).contains(kGame));
    }
    {
        ui::frmHighScore scores(*ctx);
        auto *games = control<QComboBox>(scores, "imcGames");
        ASSERT_TRUE(entries(*games).contains(kGame));
        choose(*games, kGame);
        const QStringList ranked = rowTexts(*control<QTreeWidget>(scores, "lvGames"));
        ASSERT_FALSE(ranked.isEmpty());
        const QStringList best = ranked.first().split(QLatin1Char('|'));
        EXPECT_EQ(best[1], "Ann");
        EXPECT_EQ(best[5], "Won");
        EXPECT_EQ(best[7], "1");
        EXPECT_TRUE(rowTexts(*control<QTreeWidget>(scores, "lvTop")).join(' ').contains(kGame));
    }
    {
        ui::frmPlayFav favourites(*ctx);
        auto *games = control<QComboBox>(favourites, "imcGames");
        ASSERT_TRUE(entries(*games).contains(kGame));
        choose(*games, kGame);
        EXPECT_EQ(rowTexts(*control<QTreeWidget>(favourites, "lvFav")), QStringList({"1"}));
        control<QPushButton>(favourites, "cmdPlay")->click();
        EXPECT_EQ(ctx->data.CurGName(), kGame);
        EXPECT_EQ(ctx->data.CurGNo().toText(), "1");
    }

    const QString path = dir_.filePath(QStringLiteral("export.txt"));
    ASSERT_TRUE(ctx->scores.ExportStat(path));
    QFile exported(path);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(exported.readAll()).split(QLatin1Char('\n'));
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [](const QString &l) { return l.startsWith(kGame + QLatin1Char(' ')); });
    ASSERT_NE(line, lines.end());
    const QStringList figures = line->mid(kGame.size()).simplified().split(QLatin1Char(' '));
    EXPECT_EQ(figures.mid(0, 2), QStringList({"2", "1"})) << line->toStdString();
}

} // namespace
