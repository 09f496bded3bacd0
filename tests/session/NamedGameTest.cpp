#include "TestSupport.h"

#include "rules/ClassicGames.h"
#include "session/NamedGame.h"

#include <QFile>

using namespace cardova;
using namespace cardova::test;

namespace {
class NamedGameTest : public ContextFixture {
protected:
    bool fileExists(const QString &name) const { return QFile::exists(dataDir() + name); }
};
} // namespace

TEST_F(NamedGameTest, BuiltInAndDesignedGamesAreFoundWithCaseIgnored)
{
    writeFile(QStringLiteral("My Game.gam"), "0,0,0,4,13,7,0,1\r\n");
    ctx->custom.Init();
    for (const auto &[asked, found] : {std::pair{"Klondike", "Klondike"}, {"klondike plus", "Klondike Plus"},
                                       {"MY GAME", "My Game"}}) {
        const NamedGame game = findNamedGame(*ctx, QString::fromUtf8(asked));
        EXPECT_EQ(game.name, QString::fromUtf8(found));
        EXPECT_TRUE(game.problem.isEmpty());
        EXPECT_FALSE(game.added);
    }
    EXPECT_FALSE(fileExists(QStringLiteral("Klondike.gam"))); // built in: nothing written
}

TEST_F(NamedGameTest, AClassicIsAddedOnceAsTheGamesListAddsIt)
{
    const NamedGame game = findNamedGame(*ctx, QStringLiteral("freecell"));
    EXPECT_EQ(game.name, QStringLiteral("FreeCell"));
    EXPECT_TRUE(game.added);
    ASSERT_TRUE(fileExists(QStringLiteral("FreeCell.gam")));
    GameRecord record;
    EXPECT_TRUE(ctx->custom.LoadRecord(QStringLiteral("FreeCell"), &record).isEmpty());
    EXPECT_TRUE(record == *classicRecord(QStringLiteral("FreeCell")));
    // The game lists know it now, so the selection offers it.
    bool listed = false;
    for (int i = 0; i < ctx->custom.TotalGames(); ++i)
        listed = listed || ctx->custom.gName(i) == QStringLiteral("FreeCell");
    EXPECT_TRUE(listed);

    const NamedGame again = findNamedGame(*ctx, QStringLiteral("FreeCell"));
    EXPECT_EQ(again.name, QStringLiteral("FreeCell"));
    EXPECT_FALSE(again.added);
}

TEST_F(NamedGameTest, AFileOfTheClassicsNameIsNeverWrittenOver)
{
    const QByteArray own = "0,0,0,4,13,7,0,1\r\n";
    writeFile(QStringLiteral("Yukon.gam"), own);
    const NamedGame game = findNamedGame(*ctx, QStringLiteral("Yukon"));
    EXPECT_EQ(game.name, QStringLiteral("Yukon")); // the player's own game of that name
    EXPECT_FALSE(game.added);
    QFile file(dataDir() + QStringLiteral("Yukon.gam"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), own);
}

TEST_F(NamedGameTest, AnUnknownNameSaysSoAndWritesNothing)
{
    const NamedGame game = findNamedGame(*ctx, QStringLiteral("Free Cell"));
    EXPECT_TRUE(game.name.isEmpty());
    EXPECT_EQ(game.problem, QStringLiteral("There is no game named \"Free Cell\"."));
    EXPECT_TRUE(QDir(dataDir()).entryList({QStringLiteral("*.gam")}).isEmpty());
    // A name that could leave the data folder is only ever a name here.
    EXPECT_FALSE(findNamedGame(*ctx, QStringLiteral("../Klondike")).problem.isEmpty());
}
