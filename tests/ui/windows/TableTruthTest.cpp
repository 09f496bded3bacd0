// The table on screen must show the game as it is after every action. The
// window's backing store holds what was last painted (grab() would paint
// afresh and hide a missing repaint), so it is compared with a new view of
// the same game, painted from nothing.
#include "TableFixture.h"

#include "session/Commands.h"
#include "session/cTrans.h"
#include "ui/windows/TableView.h"

#include <QDir>
#include <QScreen>

using namespace cardova;
using namespace cardova::test;

namespace {
class TableTruthTest : public TableFixture {
protected:
    QImage shown()
    {
        QCoreApplication::processEvents(); // the repaints the action asked for
        const QPoint origin = view->mapTo(window.get(), QPoint(0, 0));
        return window->screen()
            ->grabWindow(window->winId(), origin.x(), origin.y(), view->width(), view->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QImage truth()
    {
        ui::TableView fresh(*ctx, *art);
        fresh.CreateSprites();
        fresh.resize(view->size());
        fresh.ArrangeTable();
        return fresh.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void expectTruthAfter(const QString &action)
    {
        ++checks;
        const QImage onScreen = shown();
        const QImage expected = truth();
        ASSERT_FALSE(onScreen.isNull());
        ASSERT_EQ(onScreen.size(), expected.size()) << action.toStdString();
        if (onScreen == expected)
            return;
        const QString dir = QStringLiteral(SCREENSHOT_DIR "/stale");
        QDir().mkpath(dir);
        onScreen.save(dir + QStringLiteral("/shown.png"));
        expected.save(dir + QStringLiteral("/expected.png"));
        ADD_FAILURE() << "the table shows a stale picture after " << action.toStdString() << " (pictures in "
                      << dir.toStdString() << ")";
    }
    // Drags a card and lets go over the empty background, where nothing
    // takes it.
    void refusedDrop(int16_t id)
    {
        const QPointF start = onCard(id);
        const QPointF nowhere = view->toWidget(ui::kBackWidth - 1200, ui::kBackHeight - 1600);
        mouse(QEvent::MouseButtonPress, start);
        mouse(QEvent::MouseMove, (start + nowhere) / 2);
        mouse(QEvent::MouseMove, nowhere);
        mouse(QEvent::MouseButtonRelease, nowhere);
    }
    int checks = 0;
};
} // namespace

TEST_F(TableTruthTest, EveryKindOfActionLeavesTheTrueTableOnScreen)
{
    ctx->animate = true;
    ctx->data.SetAutoplay(1);
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(kWinningNumber));
    expectTruthAfter(QStringLiteral("a new game"));

    int runDrops = 0, recycles = 0, automatic = 0;
    const QStringList actions = winningActions();
    for (int i = 0; i < actions.size(); ++i) {
        const QString &text = actions[i];
        const auto a = parsePlayAction(text);
        ASSERT_TRUE(a);
        if (a->kind == PlayAction::Kind::Drag && a->srcCell == kTableau &&
            a->srcPos < ctx->table.GetTop(kTableau, a->srcPile))
            ++runDrops;
        if (a->kind == PlayAction::Kind::Stock && ctx->table.GetTop(kStock, 0) < 0)
            ++recycles;
        const int home = ctx->table.TotalGoalCards();
        const int moves = ctx->trans->GetTransID();
        ASSERT_TRUE(playByMouse(text)) << text.toStdString();
        if (ctx->GameRunning() && ctx->table.TotalGoalCards() > home + (a->dstCell == kFoundation ? 1 : 0))
            ++automatic;
        expectTruthAfter(text);
        if (!ctx->GameRunning())
            break;
        ASSERT_NE(ctx->trans->GetTransID(), moves) << text.toStdString() << " did nothing";

        // The log's commands, a refused drop and the replay, now and then.
        if (i == 8) {
            refusedDrop(topId(*ctx, kTableau, 0));
            expectTruthAfter(QStringLiteral("a refused drop"));
            CmdUndo(*ctx);
            expectTruthAfter(QStringLiteral("undo"));
            CmdRedo(*ctx);
            expectTruthAfter(QStringLiteral("redo"));
        }
        if (i == 30) {
            CmdUndoAll(*ctx);
            expectTruthAfter(QStringLiteral("undo all"));
            CmdRedoAll(*ctx);
            expectTruthAfter(QStringLiteral("redo all"));
            window->backwardTick();
            expectTruthAfter(QStringLiteral("a replay step back"));
            window->forwardTick();
            expectTruthAfter(QStringLiteral("a replay step forward"));
            window->StopReplay();
        }
    }
    EXPECT_FALSE(ctx->GameRunning()) << "the winning line did not win";
    EXPECT_GT(runDrops, 0);
    EXPECT_GT(recycles, 0);
    EXPECT_GT(automatic, 0);

    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(2));
    expectTruthAfter(QStringLiteral("a new game after the win"));
    CmdToggleAutoplay(*ctx);
    CmdToggleAutoplay(*ctx);
    expectTruthAfter(QStringLiteral("automatic play switched on"));
    EXPECT_GT(checks, 60);
}
