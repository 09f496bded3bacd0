// Nothing moves cards under a card the mouse holds: a command lets go of the
// card first (it goes back as after a refused drop), and the replay's timer
// waits for the release. Each path is tried with a card held, and the whole
// table is checked after the command and after the release.
#include "TableFixture.h"

#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <QAction>
#include <QKeyEvent>
#include <functional>

using namespace cardova;
using namespace cardova::test;

namespace {
struct HeldPath {
    const char *name;
    std::function<void(ui::frmMain &)> run;
    bool waitsForRelease; // the replay's timer: nothing happens until the release
};

void PrintTo(const HeldPath &path, std::ostream *os) { *os << path.name; }

void menu(ui::frmMain &w, const char *array, int index)
{
    w.RefreshCommands();
    w.RefreshToolbar();
    QAction *action = w.menuItem(QLatin1String(array), index);
    ASSERT_TRUE(action && action->isEnabled()) << array << index;
    action->trigger();
}

void button(ui::frmMain &w, const char *key)
{
    w.RefreshCommands();
    w.RefreshToolbar();
    QAction *action = w.toolbarButton(QLatin1String(key));
    ASSERT_TRUE(action && action->isEnabled()) << key;
    action->trigger();
}

class HeldCardTest : public TableFixture, public ::testing::WithParamInterface<HeldPath> {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        lay(*ctx, {{"TD 9C", "JS", "TH", "AH"}});
        view->update();
        // Two moves and one undo: the log can go either way.
        dragCard(idOf(*ctx, "9C"), kTableau, 2, 1);
        dragCard(idOf(*ctx, "9C"), kTableau, 0, 1);
        window->RefreshCommands();
        menu(*window, "mGame", 1);
        ASSERT_EQ(tableauText(*ctx).mid(0, 3), QStringList({"TD", "JS", "TH 9C"}));
        ASSERT_TRUE(tableProblems(*ctx).isEmpty());
    }
};
} // namespace

TEST_P(HeldCardTest, TheTableStaysWholeWhenACommandRunsWhileACardIsHeld)
{
    const HeldPath &path = GetParam();
    const int16_t ten = idOf(*ctx, "TD");
    pressAndDrag(ten, kTableau, 1, 1);
    ASSERT_TRUE(ctx->input.Dragging);
    const int16_t logBefore = ctx->trans->GetTransID();

    path.run(*window);
    if (path.waitsForRelease) {
        EXPECT_TRUE(ctx->input.Dragging);
        EXPECT_EQ(ctx->trans->GetTransID(), logBefore);
        EXPECT_EQ(tableProblems(*ctx, true), "");
    } else {
        EXPECT_FALSE(ctx->input.Dragging) << "the card is still held";
        EXPECT_EQ(tableProblems(*ctx), "") << "after the command";
    }

    mouse(QEvent::MouseButtonRelease, onSlot(kTableau, 1, 1));
    EXPECT_EQ(tableProblems(*ctx), "") << "after the release";
    if (path.waitsForRelease) {
        EXPECT_EQ(pileText(*ctx, kTableau, 1), "JS TD"); // the drop was taken as usual
    }
}

// The keyboard's held card is let go by the same commands, replay ticks
// included (they wait only for the mouse), so its outline never moves on to
// whatever card lies in its place afterwards and the next Enter moves nothing.
TEST_P(HeldCardTest, ACardHeldByTheKeyboardIsLetGoByEveryCommand)
{
    const HeldPath &path = GetParam();
    KeyboardPlay &keys = view->keyboard();
    for (int i = 0; i < 20 && !(keys.cursor().spot == KeyboardPlay::Spot::Tableau && keys.cursor().pile == 0); ++i) {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(view, &right);
    }
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(view, &space);
    ASSERT_TRUE(keys.held().has_value());

    path.run(*window);
    EXPECT_FALSE(keys.held().has_value()) << "the keyboard still holds a card";

    const QString before = tableauText(*ctx).join(QLatin1Char('|'));
    const int16_t logBefore = ctx->trans->GetTransID();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(ctx->trans->GetTransID(), logBefore);
    EXPECT_EQ(tableauText(*ctx).join(QLatin1Char('|')), before);
    EXPECT_EQ(tableProblems(*ctx), "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryPath, HeldCardTest,
    ::testing::Values(
        HeldPath{"Undo", [](ui::frmMain &w) { menu(w, "mGame", 1); }, false},
        HeldPath{"Redo", [](ui::frmMain &w) { menu(w, "mGame", 2); }, false},
        HeldPath{"UndoAll", [](ui::frmMain &w) { menu(w, "mGame", 6); }, false},
        HeldPath{"RedoAll", [](ui::frmMain &w) { menu(w, "mGame", 7); }, false},
        HeldPath{"UndoButton", [](ui::frmMain &w) { button(w, "Undo"); }, false},
        HeldPath{"AutoplayOn", [](ui::frmMain &w) { menu(w, "mGame", 4); }, false},
        HeldPath{"NewGame", [](ui::frmMain &w) { menu(w, "mFile", 1); }, false},
        HeldPath{"RestartButton", [](ui::frmMain &w) { button(w, "Restart"); }, false},
        HeldPath{"CloseGame", [](ui::frmMain &w) { menu(w, "mFile", 5); }, false},
        HeldPath{"ReplayAll", [](ui::frmMain &w) { menu(w, "mReplay", 4); }, false},
        HeldPath{"ReplayForwardTick", [](ui::frmMain &w) { w.forwardTick(); }, true},
        HeldPath{"ReplayBackwardTick", [](ui::frmMain &w) { w.backwardTick(); }, true}),
    [](const ::testing::TestParamInfo<HeldPath> &info) { return std::string(info.param.name); });

using HeldCardDrop = TableFixture;

TEST_F(HeldCardDrop, ARefusedDropAfterTheTableChangedPutsTheCardWhereItLies)
{
    lay(*ctx, {{"TD 9C", "JS", "TH"}});
    dragCard(idOf(*ctx, "9C"), kTableau, 2, 1);
    // A position changed without a command (as a test may): the drop finds
    // the riders no longer match the press and puts everything back.
    pressAndDrag(idOf(*ctx, "TD"), kTableau, 1, 1);
    int32_t mode = kModeLog;
    MoveCard(*ctx, idOf(*ctx, "9C"), kTableau, 0, 1, mode, 0, 0, 0);
    mouse(QEvent::MouseButtonRelease, onSlot(kTableau, 1, 1));
    EXPECT_EQ(tableProblems(*ctx), "");
    EXPECT_EQ(pileText(*ctx, kTableau, 0), "TD 9C");
    EXPECT_EQ(pileText(*ctx, kTableau, 1), "JS");
}
