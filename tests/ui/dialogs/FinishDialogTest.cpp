#include "DialogTestSupport.h"

#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"
#include "ui/dialogs/frmHighScore.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QGroupBox>
#include <QListWidget>
#include <QToolBar>

using namespace cardova;
using namespace cardova::test;
using cardova::ui::FinishWinHandler;
using cardova::ui::frmFinish;

namespace {

class FinishDialogTest : public DialogFixture {
protected:
    // Starts a deal and lets time pass, as if it had just been won.
    void playFor(const QString &game, double number, int seconds)
    {
        start(game, number);
        dealt = tableauText(*ctx);
        advanceClock(seconds);
        FinalCounters(*ctx);
        ctx->phase = GamePhase::Finished; // as a win leaves it for the dialog
    }
    // Everything but the King of spades is up; it lies on the waste, so
    // turning automatic play back on wins the game.
    void layNearlyWon()
    {
        Layout l;
        l.tableau = {"", "", "", "", "", "", ""};
        l.waste = "KS";
        l.foundation = {"AH 2H 3H 4H 5H 6H 7H 8H 9H TH JH QH KH", "AS 2S 3S 4S 5S 6S 7S 8S 9S TS JS QS",
                        "AD 2D 3D 4D 5D 6D 7D 8D 9D TD JD QD KD", "AC 2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC"};
        lay(*ctx, l);
    }
    // The recorded games of every player, read back from the score files.
    std::vector<ScoreRec> recorded()
    {
        ctx->scores.OpenAllScore();
        std::vector<ScoreRec> all = ctx->scores.loaded();
        ctx->scores.CloseScore();
        return all;
    }
    QStringList lines(const frmFinish &dlg)
    {
        QStringList texts;
        const auto *list = control<QListWidget>(dlg, "ListView1");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    QAction *button(const frmFinish &dlg, const char *key)
    {
        return control<QAction>(*control<QToolBar>(dlg, "Toolbar1"), key);
    }
    QStringList dealt;
};

TEST_F(FinishDialogTest, OpeningShowsTheResultAndRecordsTheWinOnce)
{
    playFor(QStringLiteral("Klondike"), 7, 125);
    const int16_t moves = ctx->data.CurMoves;
    const int16_t score = ctx->data.CurScore;
    ASSERT_LT(score, 0); // 125 seconds with hardly a card up
    {
        frmFinish dlg(*ctx, {});
        EXPECT_EQ(dlg.windowTitle(), "Congrats");
        EXPECT_EQ(control<QGroupBox>(dlg, "Frame1")->title(), "Klondike");
        EXPECT_EQ(lines(dlg), QStringList({" Game : 7", " Player : Ann", " Time : 0:02:05",
                                           " Moves : " + QString::number(moves),
                                           " Score : " + QString::number(score)}));
        auto *view = control<QChartView>(dlg, "chFin");
        ASSERT_EQ(view->chart()->series().size(), 1);
        auto *series = qobject_cast<QBarSeries *>(view->chart()->series().first());
        ASSERT_TRUE(series);
        ASSERT_EQ(series->barSets().size(), 1);
        const QBarSet *row = series->barSets().first();
        ASSERT_EQ(row->count(), 3);
        EXPECT_EQ(row->at(0), 0); // a negative score stands as an empty bar
        EXPECT_EQ(row->at(1), moves);
        EXPECT_EQ(row->at(2), 125);
        const auto axes = view->chart()->axes(Qt::Horizontal);
        ASSERT_EQ(axes.size(), 1);
        EXPECT_EQ(qobject_cast<QBarCategoryAxis *>(axes.first())->categories(),
                  QStringList({"Score", "Moves", "Time"}));
        EXPECT_EQ(sound.count(Wave::Win), 1);
        EXPECT_FALSE(ctx->GameRunning());
    }
    // A second dialog over the same, already recorded game records nothing.
    frmFinish again(*ctx, {});
    EXPECT_EQ(sound.count(Wave::Win), 1);
    const auto games = recorded();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Won, 1);
    EXPECT_EQ(games[0].GName, "Klondike");
    EXPECT_EQ(games[0].GNo.toText(), "7");
    EXPECT_EQ(games[0].Player, "Ann");
    EXPECT_EQ(games[0].Time, 125);
    EXPECT_EQ(games[0].Score, score);
}

TEST_F(FinishDialogTest, ToolbarOffersSixButtonsAndStatisticsOpensOnTop)
{
    playFor(QStringLiteral("Lawn"), 3, 10);
    frmFinish dlg(*ctx, {});
    QStringList shown;
    dlg.runModal = [&](QDialog &d) { shown << d.windowTitle(); };
    const QStringList keys = {"New", "Select", "Restart", "Statistics", "Highscore", "Close"};
    const QStringList labels = {"New Game", "Select Game", "Restart Game", "Statistics", "High Score", "Close"};
    const auto actions = control<QToolBar>(dlg, "Toolbar1")->actions();
    ASSERT_EQ(actions.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(actions[i]->objectName(), keys[i]);
        EXPECT_EQ(actions[i]->text(), labels[i]);
        EXPECT_TRUE(actions[i]->isEnabled());
    }
    dlg.show();
    actions[3]->trigger();
    EXPECT_EQ(shown, QStringList{"Game Statistics"});
    EXPECT_TRUE(dlg.isVisible()); // the finished-game dialog stays open underneath
}

TEST_F(FinishDialogTest, RestartDealsTheSameNumberAgainAndRecordsNoExtraGame)
{
    playFor(QStringLiteral("Klondike"), 4711, 60);
    frmFinish dlg(*ctx, {});
    dlg.show();
    button(dlg, "Restart")->trigger();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Klondike");
    EXPECT_EQ(ctx->data.CurGNo().toText(), "4711");
    EXPECT_EQ(tableauText(*ctx), dealt);
    EXPECT_EQ(recorded().size(), 1u);
}

TEST_F(FinishDialogTest, NewDealsTheLastGameAndCloseStartsNothing)
{
    playFor(QStringLiteral("Lawn"), 5, 60);
    {
        frmFinish dlg(*ctx, {});
        dlg.show();
        button(dlg, "Close")->trigger();
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_FALSE(ctx->GameRunning());
    }
    frmFinish dlg(*ctx, {});
    dlg.show();
    button(dlg, "New")->trigger();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Lawn");
    EXPECT_EQ(recorded().size(), 1u);
}

TEST_F(FinishDialogTest, NewLeavesTheNumberToTheWindowWhenItChoosesIt)
{
    playFor(QStringLiteral("Lawn"), 5, 60);
    frmFinish dlg(*ctx, {});
    QStringList asked;
    bool visibleThen = true;
    dlg.dealRandom = [&](const QString &name) {
        asked << name;
        visibleThen = dlg.isVisible();
    };
    dlg.show();
    button(dlg, "New")->trigger();
    EXPECT_EQ(asked, QStringList{QStringLiteral("Lawn")});
    EXPECT_FALSE(visibleThen);
    EXPECT_EQ(recorded().size(), 1u);
}

TEST_F(FinishDialogTest, SelectClosesTheDialogBeforeTheSelectionOpens)
{
    playFor(QStringLiteral("Klondike"), 8, 60);
    int opened = 0;
    bool finishVisibleThen = true;
    frmFinish *shown = nullptr;
    frmFinish dlg(*ctx, [&] {
        ++opened;
        finishVisibleThen = shown->isVisible();
    });
    shown = &dlg;
    dlg.show();
    button(dlg, "Select")->trigger();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(finishVisibleThen);
    EXPECT_EQ(recorded().size(), 1u);
}

TEST_F(FinishDialogTest, HighScoreOpensOnTopAndTheDialogStaysOpen)
{
    playFor(QStringLiteral("Klondike"), 9, 30);
    frmFinish dlg(*ctx, {});
    dlg.show();
    int boards = 0;
    dlg.runModal = [&](QDialog &board) {
        ++boards;
        EXPECT_TRUE(qobject_cast<ui::frmHighScore *>(&board));
        EXPECT_EQ(board.parentWidget(), &dlg);
        EXPECT_EQ(board.windowTitle(), "High Score");
        board.show();
        board.close();
    };
    button(dlg, "Highscore")->trigger();
    EXPECT_EQ(boards, 1);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(ctx->scores.ScoreTop(), 0); // the board let its records go
}

TEST_F(FinishDialogTest, AWinThroughTheEngineOpensTheDialogOnceFromTheEventLoop)
{
    QWidget owner;
    FinishWinHandler handler(&owner, {});
    bool insideAnAction = true;
    QStringList shown;
    handler.runDialog = [&](frmFinish &dlg) {
        EXPECT_EQ(dlg.parentWidget(), &owner);
        insideAnAction = ActionScope::busy(*ctx);
        dlg.show();
        shown = lines(dlg);
        button(dlg, "Restart")->trigger();
    };
    ctx->setWinHandler(&handler);
    start(QStringLiteral("Klondike"), 1);
    const QStringList deal = tableauText(*ctx);
    layNearlyWon();
    CmdToggleAutoplay(*ctx); // off
    CmdToggleAutoplay(*ctx); // on: plays the King and wins
    // The winning command has returned; the game waits, finished, for the
    // dialog, which opens once the queued events run.
    EXPECT_EQ(handler.opened(), 0);
    EXPECT_EQ(ctx->phase, GamePhase::Finished);
    EXPECT_FALSE(CmdUndo(*ctx));
    QCoreApplication::processEvents();
    EXPECT_EQ(handler.opened(), 1);
    EXPECT_FALSE(insideAnAction);
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0], " Game : 1");
    EXPECT_EQ(shown[3], " Moves : 1");
    EXPECT_EQ(shown[4], " Score : 520"); // 52 cards up, no time, one move: 520 - 0.5
    // The same deal is on the table again and only the win was recorded.
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(tableauText(*ctx), deal);
    const auto games = recorded();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].Won, 1);
    EXPECT_EQ(games[0].Moves, 1);
}

} // namespace
