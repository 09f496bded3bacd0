// The classics in the main window: the mouse picks up from the reserve and
// the free cells and drops on a cell, through the same driver as every move.
#include "TableFixture.h"

#include "rules/ClassicGames.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <QDir>

using namespace cardova;
using namespace cardova::test;

namespace {
class ClassicTableTest : public TableFixture {
protected:
    void startClassic(const char *name, double number)
    {
        const QString game = QString::fromLatin1(name);
        ASSERT_EQ(ctx->custom.SaveGame(game, *classicRecord(game)), QString());
        window->startGame(game, GameNumber::fromNumber(number));
        ASSERT_EQ(ctx->data.CurGName(), game);
    }
    void keepPicture(const QString &file)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        EXPECT_TRUE(window->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(file)));
    }
};
} // namespace

TEST_F(ClassicTableTest, FreeCellCardsGoToACellAndBackByMouse)
{
    for (const QSize size : {QSize(640, 480), QSize(1600, 1200)}) {
        window->resize(size);
        startClassic("FreeCell", 7);
        const int16_t card = ctx->table.GetTopPicID(kTableau, 0);
        dragCard(card, kFreeCell, 0, 0); // the leftmost cell is within reach too
        EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 0), card);
        EXPECT_EQ(tableProblems(*ctx), QString());
        keepPicture(QStringLiteral("freecell-%1").arg(size.width()));
        // A cell's card may be picked up, but no other cell takes it: it
        // goes back to its own.
        dragCard(card, kFreeCell, 3, 0);
        EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 0), card);
        EXPECT_EQ(ctx->table.GetTop(kFreeCell, 3), -1);
        EXPECT_EQ(tableProblems(*ctx), QString());
        window->table()->update();
        QApplication::processEvents();
    }
}

TEST_F(ClassicTableTest, CanfieldReserveAndDrawThreePlayInTheWindow)
{
    startClassic("Canfield", 4);
    clickStock();
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), 2); // three cards turned
    EXPECT_EQ(ctx->trans->TransPos, 3);
    // Whatever the reserve's top may do, a drag of it either lands or goes
    // back to its slot, the table whole either way.
    const int16_t top = ctx->table.GetTopPicID(kReserve, 0);
    for (int pile = 0; pile < ctx->games.Piles(kTableau) && ctx->cards[size_t(top)].Cell == kReserve; ++pile)
        dragCard(top, kTableau, pile, ctx->table.GetTop(kTableau, pile) + 1);
    EXPECT_EQ(tableProblems(*ctx), QString());
    keepPicture(QStringLiteral("canfield"));
    for (int i = 0; i < 4; ++i)
        playMove(*ctx, stockClick(*ctx));
    EXPECT_EQ(tableProblems(*ctx), QString());
}
