#include "DialogTestSupport.h"

#include "ui/dialogs/frmHighScore.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::frmHighScore;

namespace {

class HighScoreDialogTest : public DialogFixture {
protected:
    // Ann: a lost game with a good score, a won game with a negative score
    // (the fewest moves) and a won game with the best score (the shortest
    // time). Bob: a won game whose number was typed.
    void writeScores()
    {
        addScoreLine("Ann", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
        addScoreLine("Ann", "\"2024-05-02 11:00:00\",\"Klondike\",12,400,80,-20,1");
        addScoreLine("Ann", "\"2024-05-03 12:00:00\",\"Lawn\",13,250,120,300,1");
        addScoreLine("Bob", "\"2024-05-04 13:00:00\",\"Klondike Plus\",\"77\",500,90,150,1");
    }
    QTreeWidget *list(const frmHighScore &dlg, const char *name) { return control<QTreeWidget>(dlg, name); }
    QStringList headers(const QTreeWidget *l)
    {
        QStringList titles;
        for (int i = 0; i < l->columnCount(); ++i)
            titles << l->headerItem()->text(i);
        return titles;
    }
    // Row texts without the date (checked on its own).
    QStringList rows(const frmHighScore &dlg, const char *name, int dateColumn)
    {
        QStringList out;
        for (QString row : rowTexts(*list(dlg, name))) {
            QStringList cells = row.split('|');
            cells.removeAt(dateColumn);
            out << cells.join('|');
        }
        return out;
    }
    // Which cells of a row are bold dark red.
    QList<int> emphasised(const QTreeWidget *l, int row)
    {
        QList<int> cols;
        const QTreeWidgetItem *item = l->topLevelItem(row);
        for (int c = 0; item && c < l->columnCount(); ++c)
            if (item->font(c).bold() && item->foreground(c).color() == QColor(128, 0, 0))
                cols << c;
        return cols;
    }
};

TEST_F(HighScoreDialogTest, TabsAndColumnsAreInPlace)
{
    frmHighScore dlg(*ctx);
    EXPECT_EQ(dlg.windowTitle(), "High Score");
    auto *tabs = control<QTabWidget>(dlg, "SSTab1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Top Score");
    EXPECT_EQ(tabs->tabText(1), "Game-wise");
    EXPECT_EQ(tabs->tabText(2), "Player-wise");
    EXPECT_EQ(tabs->tabText(3), "Finished Games");
    EXPECT_EQ(headers(list(dlg, "lvTop")),
              QStringList({"Game", "Player", "Score", "Time", "Moves", "Status", "Date", "Game No."}));
    EXPECT_EQ(headers(list(dlg, "lvGames")),
              QStringList({"S No.", "Player", "Score", "Time", "Moves", "Status", "Date", "Game No."}));
    EXPECT_EQ(headers(list(dlg, "lvPlayer")),
              QStringList({"S No.", "Game", "Score", "Time", "Moves", "Status", "Date", "Game No."}));
    EXPECT_EQ(headers(list(dlg, "lvFin")),
              QStringList({"S No.", "Game", "Player", "Score", "Time", "Moves", "Date", "Game No."}));
    EXPECT_EQ(entries(*control<QComboBox>(dlg, "imcFin")), QStringList({"Score", "Moves", "Time"}));
    EXPECT_EQ(entries(*control<QComboBox>(dlg, "imcPlayer")), QStringList({"Ann", "Bob"}));
}

TEST_F(HighScoreDialogTest, TopScoreListsPositiveScoresWonOrLostWithTheScoreEmphasised)
{
    writeScores();
    frmHighScore dlg(*ctx);
    EXPECT_EQ(ctx->scores.ScoreTop(), 4); // every player's file is loaded while open
    EXPECT_EQ(rows(dlg, "lvTop", 6),
              QStringList({"Lawn|Ann|300|0:04:10|120|Won|13", "Klondike|Ann|200|0:10:00|140|Lost|11",
                           "Klondike Plus|Bob|150|0:08:20|90|Won|77"}));
    EXPECT_EQ(list(dlg, "lvTop")->topLevelItem(0)->text(6), "5/3/24"); // short date
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(emphasised(list(dlg, "lvTop"), r), QList<int>({2})) << r;
}

TEST_F(HighScoreDialogTest, GameAndPlayerChoosersRefillTheirLists)
{
    writeScores();
    ctx->data.SetCurGName(QStringLiteral("Klondike"));
    ctx->data.SetCurPlayer(QStringLiteral("Bob"));
    frmHighScore dlg(*ctx);
    auto *games = control<QComboBox>(dlg, "imcGames");
    EXPECT_EQ(entries(*games), QStringList({"Klondike", "Klondike Plus", "Lawn"}));
    EXPECT_EQ(games->currentText(), "Klondike");
    // The won game with a negative score is not ranked.
    EXPECT_EQ(rows(dlg, "lvGames", 6), QStringList({"1|Ann|200|0:10:00|140|Lost|11"}));
    choose(*games, QStringLiteral("Klondike Plus"));
    EXPECT_EQ(rows(dlg, "lvGames", 6), QStringList({"1|Bob|150|0:08:20|90|Won|77"}));
    EXPECT_EQ(emphasised(list(dlg, "lvGames"), 0), QList<int>({2}));

    auto *players = control<QComboBox>(dlg, "imcPlayer");
    EXPECT_EQ(players->currentText(), "Bob");
    EXPECT_EQ(rows(dlg, "lvPlayer", 6), QStringList({"1|Klondike Plus|150|0:08:20|90|Won|77"}));
    choose(*players, QStringLiteral("Ann"));
    EXPECT_EQ(rows(dlg, "lvPlayer", 6),
              QStringList({"1|Lawn|300|0:04:10|120|Won|13", "2|Klondike|200|0:10:00|140|Lost|11"}));
    EXPECT_EQ(emphasised(list(dlg, "lvPlayer"), 1), QList<int>({2}));
}

TEST_F(HighScoreDialogTest, FinishedGamesRankWonGamesByTheChosenKey)
{
    writeScores();
    frmHighScore dlg(*ctx);
    auto *fin = control<QComboBox>(dlg, "imcFin");
    EXPECT_EQ(fin->currentText(), "Score");
    // Won games with a score above 0; the lost game is never here.
    EXPECT_EQ(rows(dlg, "lvFin", 6),
              QStringList({"1|Lawn|Ann|300|0:04:10|120|13", "2|Klondike Plus|Bob|150|0:08:20|90|77"}));
    EXPECT_EQ(emphasised(list(dlg, "lvFin"), 0), QList<int>({3}));
    choose(*fin, QStringLiteral("Moves"));
    EXPECT_EQ(rows(dlg, "lvFin", 6),
              QStringList({"1|Klondike|Ann|-20|0:06:40|80|12", "2|Klondike Plus|Bob|150|0:08:20|90|77",
                           "3|Lawn|Ann|300|0:04:10|120|13"}));
    EXPECT_EQ(emphasised(list(dlg, "lvFin"), 0), QList<int>({5}));
    choose(*fin, QStringLiteral("Time"));
    EXPECT_EQ(rows(dlg, "lvFin", 6),
              QStringList({"1|Lawn|Ann|300|0:04:10|120|13", "2|Klondike|Ann|-20|0:06:40|80|12",
                           "3|Klondike Plus|Bob|150|0:08:20|90|77"}));
    EXPECT_EQ(emphasised(list(dlg, "lvFin"), 2), QList<int>({4}));
}

TEST_F(HighScoreDialogTest, NoScoreFilesLeaveEveryListEmptyAndAnUnknownGameShowsTheFirst)
{
    ctx->data.SetCurGName(QStringLiteral("Deleted Game"));
    frmHighScore dlg(*ctx);
    for (const char *name : {"lvTop", "lvGames", "lvPlayer", "lvFin"})
        EXPECT_EQ(list(dlg, name)->topLevelItemCount(), 0) << name;
    EXPECT_EQ(control<QComboBox>(dlg, "imcGames")->currentText(), "Klondike");
    choose(*control<QComboBox>(dlg, "imcFin"), QStringLiteral("Time"));
    EXPECT_EQ(list(dlg, "lvFin")->topLevelItemCount(), 0);
}

TEST_F(HighScoreDialogTest, AScoreFileThatCannotBeReadIsNamedAboveTheRankings)
{
    addScoreLine("Ann", "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0");
    // A folder where Bob's score file belongs cannot be read, by root either.
    ASSERT_TRUE(QDir().mkpath(ctx->scores.scoreFilePath(QStringLiteral("Bob"))));
    frmHighScore dlg(*ctx);
    const QLabel *note = control<QLabel>(dlg, "lblUnreadable");
    EXPECT_TRUE(note->isVisibleTo(&dlg));
    EXPECT_TRUE(note->text().contains("Bob.sre")) << note->text().toStdString();
    EXPECT_EQ(list(dlg, "lvTop")->topLevelItemCount(), 1);
}

TEST_F(HighScoreDialogTest, ClosingByButtonOrWindowFrameReleasesTheRecords)
{
    writeScores();
    {
        frmHighScore dlg(*ctx);
        dlg.show();
        EXPECT_EQ(ctx->scores.ScoreTop(), 4);
        control<QPushButton>(dlg, "cmdClose")->click();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(ctx->scores.ScoreTop(), 0);
    }
    frmHighScore dlg(*ctx);
    dlg.show();
    EXPECT_EQ(ctx->scores.ScoreTop(), 4);
    dlg.close();
    EXPECT_EQ(ctx->scores.ScoreTop(), 0);
    EXPECT_EQ(ctx->scores.TopCount(), 0);
}

} // namespace
