#include "TestSupport.h"

#include "session/Lifecycle.h"
#include "rules/ClassicGames.h"
#include "settings/GameFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace cardova;
using cardova::test::ContextFixture;

using CustomGamesTest = ContextFixture;

TEST_F(CustomGamesTest, EmptyFolderHasOnlyTheStandardGames)
{
    EXPECT_EQ(ctx->custom.TotalGames(), 0);
    EXPECT_EQ(ctx->data.TotalGames(), 3);
    EXPECT_EQ(ctx->data.GetGName(2), "Klondike Plus");
}

TEST_F(CustomGamesTest, ListIsSortedWithoutRegardToCase)
{
    writeFile(QStringLiteral("b.gam"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("A.gam"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("c.GAM"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("notes.txt"), "x");
    ctx->custom.Init();
    EXPECT_EQ(ctx->data.TotalGames(), 6);
    EXPECT_EQ(ctx->data.GetGName(4), "A");
    EXPECT_EQ(ctx->data.GetGName(5), "b");
    EXPECT_EQ(ctx->data.GetGName(6), "c");
    EXPECT_EQ(ctx->custom.gPath(0), dataDir() + "A.gam");
}

TEST_F(CustomGamesTest, ReadsTheFirstEightNumbers)
{
    writeFile(QStringLiteral("Mine.gam"), "3,12,1,4,13,7,0,1\r\n9,9,9\r\n");
    ASSERT_TRUE(ctx->custom.InitGame(QStringLiteral("Mine")).isEmpty());
    EXPECT_EQ(ctx->custom.record(), (GameRecord{3, 12, 1, 4, 13, 7, 0, 1}));
    EXPECT_EQ(ctx->custom.rPiles(), 0);
    EXPECT_EQ(ctx->custom.rCards(), 0);
    // No final line ending and blanks around the numbers are fine too.
    writeFile(QStringLiteral("Loose.gam"), " 1, 2 ,3,4,5,6,1,0");
    ASSERT_TRUE(ctx->custom.InitGame(QStringLiteral("Loose")).isEmpty());
    EXPECT_EQ(ctx->custom.hPiles(), 6);
}

// The rule fields after the eight numbers: a game using none is written as
// the eight numbers alone; one using them reads back exactly, and a reader
// of the first eight numbers still finds its eight numbers.
TEST_F(CustomGamesTest, RuleFieldsFollowTheEightNumbersBothWays)
{
    EXPECT_EQ(gameRecordLine(GameRecord{3, 12, 1, 4, 13, 7, 0, 1}), QByteArray("3,12,1,4,13,7,0,1\r\n"));
    for (const ClassicGame &g : classicGames()) {
        const QByteArray line = gameRecordLine(g.record);
        EXPECT_TRUE(line.endsWith("\r\n")) << g.name;
        EXPECT_EQ(line.count("\r\n"), 1) << g.name;
        GameRecord back;
        ASSERT_EQ(parseGameRecord(line, &back), QString()) << g.name;
        EXPECT_EQ(back, g.record) << g.name << ": " << line.toStdString();
        // What a reader of the eight numbers alone takes from the line.
        const QList<QByteArray> fields = line.trimmed().split(',');
        ASSERT_GE(fields.size(), 8);
        const int eight[8] = {g.record.gOrder, g.record.gBase, g.record.gCards, g.record.hOrder,
                              g.record.hSpace, g.record.hPiles, g.record.hAk, g.record.hMulti};
        for (int i = 0; i < 8; ++i) {
            bool ok = false;
            EXPECT_EQ(fields[i].toInt(&ok), eight[i]) << g.name << " field " << i;
            EXPECT_TRUE(ok);
        }
    }
    // Text after the eight numbers that names no rule was always ignored.
    GameRecord old;
    ASSERT_EQ(parseGameRecord("0,0,0,4,13,7,1,1,5,extra\r\n", &old), QString());
    EXPECT_TRUE(old.isClassic());
    // A rule field on a later line is not part of the record.
    ASSERT_EQ(parseGameRecord("0,0,0,4,13,7,1,1\r\ndraw=3\r\n", &old), QString());
    EXPECT_EQ(old.draw, 1);
}

TEST_F(CustomGamesTest, BuiltInNamesWinOverFiles)
{
    writeFile(QStringLiteral("Klondike.gam"), "1,1,1,1,1,9,1,1\r\n");
    writeFile(QStringLiteral("klondike x.gam"), "1,1,1,1,1,9,1,1\r\n");
    ctx->custom.Init();
    EXPECT_EQ(ctx->data.GetGName(4), "klondike x"); // blank sorts before "."
    EXPECT_EQ(ctx->data.GetGName(5), "Klondike");
    EXPECT_EQ(ctx->data.GetGameID(QStringLiteral("Klondike")), 1);
    ASSERT_TRUE(ctx->custom.InitGame(QStringLiteral("Klondike")).isEmpty());
    EXPECT_EQ(ctx->custom.hPiles(), 7);
    writeFile(QStringLiteral("KLONDIKE.gam"), "0,0,0,4,13,5,1,1\r\n");
    ASSERT_TRUE(ctx->custom.InitGame(QStringLiteral("KLONDIKE")).isEmpty());
    EXPECT_EQ(ctx->custom.hPiles(), 5); // case differs: read from its file
}

TEST_F(CustomGamesTest, BadFilesAreRefusedWithAReason)
{
    const struct {
        const char *content;
        const char *why;
    } bad[] = {
        {"", "empty"},
        {"0,0,0,4,13,7,1", "seven numbers"},
        {"0,0,0,4,13,10,1,1", "ten piles"},
        {"0,0,0,4,13,11,1,1,deal=rows", "eleven piles"},
        {"0,0,0,4,13,0,1,1", "no piles"},
        {"0,0,0,4,13,8,0,1,stock=none,deal=rows,cells=99", "99 cells"},
        {"0,0,0,4,13,8,0,1,cells=-1", "negative cells"},
        {"0,0,0,4,13,7,0,1,draw=-3", "negative draw"},
        {"0,0,0,4,13,7,0,1,draw=4", "four cards a turn"},
        {"0,0,0,4,13,7,0,1,redeals=3", "three redeals"},
        {"0,0,0,4,13,9,0,1,deal=yukon", "a Yukon deal of 9 piles needs 77 cards"},
        {"0,0,0,4,13,8,0,1,deal=rows,rows=7", "eight rows of seven"},
        {"0,0,0,4,13,7,0,1,stock=none", "no stock and cards left over"},
        {"0,0,0,4,13,7,0,1,celldeal=1", "a dealt card for a cell the game lacks"},
        {"0,0,0,4,13,7,0,1,reservefill=1", "filling from no reserve"},
        {"0,0,0,4,13,7,0,1,decks=2", "a rule this version does not know"},
        {"0,0,0,4,13,7,0,1,moves=sideways", "an unknown move rule"},
        {"6,0,0,4,13,7,1,1", "foundation order Any Card"},
        {"0,0,0,10,13,7,1,1", "tableau order 10"},
        {"0,14,0,4,13,7,1,1", "rank 14"},
        {"0,0,5,4,13,7,1,1", "five initial cards"},
        {"0,0,0,4,13,7,2,1", "wrap 2"},
        {"0,0,0,4,13,7,1,-1", "multi -1"},
        {"0,0,x,4,13,7,1,1", "text"},
        {"0,0,0,4,13,99999999999999999999,1,1", "huge"},
        {"\x01\x02\xff\xfe", "binary"},
    };
    for (const auto &b : bad) {
        writeFile(QStringLiteral("Bad.gam"), b.content);
        const GameRecord before = ctx->custom.record();
        EXPECT_FALSE(ctx->custom.InitGame(QStringLiteral("Bad")).isEmpty()) << b.why;
        EXPECT_EQ(ctx->custom.record(), before) << b.why;
    }
    EXPECT_FALSE(ctx->custom.InitGame(QStringLiteral("Missing")).isEmpty());
    EXPECT_FALSE(ctx->custom.InitGame(QString()).isEmpty());
}

TEST_F(CustomGamesTest, NewGameWithABadGameChangesNothing)
{
    start(QStringLiteral("Klondike"), 5);
    const auto recorded = ctx->scores.SesTop();
    writeFile(QStringLiteral("Broken.gam"), "1,2");
    const QString problem = NewGame(*ctx, QStringLiteral("Broken"), GameNumber::fromNumber(1));
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_TRUE(ctx->GameRunning());
    EXPECT_EQ(ctx->data.CurGName(), "Klondike");
    EXPECT_EQ(ctx->scores.SesTop(), recorded);
    EXPECT_EQ(ctx->data.GetRecent(1), "Klondike");
}

TEST_F(CustomGamesTest, SavingWritesOneLineAndKeepsNamesInside)
{
    const GameRecord wizardDefault{0, 0, 0, 4, 13, 7, 1, 1};
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Klondike Game 01"), wizardDefault).isEmpty());
    QFile f(dataDir() + "Klondike Game 01.gam");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("0,0,0,4,13,7,1,1\r\n"));

    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("../escape"), wizardDefault).isEmpty());
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("escape.gam"))));
    ctx->custom.Init();
    EXPECT_GE(ctx->data.GetGameID(QStringLiteral("../escape")), 4);
    EXPECT_TRUE(ctx->custom.InitGame(QStringLiteral("../escape")).isEmpty());
    EXPECT_FALSE(ctx->custom.SaveGame(QStringLiteral("  "), wizardDefault).isEmpty());
}

TEST_F(CustomGamesTest, FailedSaveIsReportedAndKeepsTheOldFile)
{
    // A folder cannot be replaced by a game file: the write must fail loudly.
    QDir().mkpath(dataDir() + "Taken.gam");
    EXPECT_FALSE(writeGameFile(dataDir() + "Taken.gam", GameRecord{}).isEmpty());
    EXPECT_TRUE(QFileInfo(dataDir() + "Taken.gam").isDir());
    EXPECT_FALSE(writeGameFile(dataDir() + "no/such/folder/x.gam", GameRecord{}).isEmpty());

    writeFile(QStringLiteral("Keep.gam"), "3,12,1,4,13,7,0,1\r\n");
    ASSERT_TRUE(writeGameFile(dataDir() + "Keep.gam", GameRecord{0, 0, 0, 4, 13, 7, 1, 1}).isEmpty());
    GameRecord r;
    ASSERT_TRUE(readGameFile(dataDir() + "Keep.gam", &r).isEmpty());
    EXPECT_EQ(r, (GameRecord{0, 0, 0, 4, 13, 7, 1, 1}));
}
