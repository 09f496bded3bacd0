#include "TestSupport.h"

#include "common/PrintableText.h"
#include "session/Lifecycle.h"
#include "settings/FileNames.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

using namespace cardova;
using cardova::test::ContextFixture;

namespace {

// The limit of one file-name component on the file systems the game runs on.
constexpr qsizetype kComponentLimit = 255;

qsizetype bytesWithExtension(const QString &name)
{
    return fileNameForName(name).toUtf8().size() + QByteArrayLiteral(".sre").size();
}

TEST(LongFileNames, LongNamesFitAndNeverShareAFile)
{
    const QString base(300, QLatin1Char('a'));
    const QString other = base.left(299) + QLatin1Char('b');
    EXPECT_LE(bytesWithExtension(base), kComponentLimit);
    EXPECT_NE(fileNameForName(base), fileNameForName(other));
    EXPECT_FALSE(fileNameKeepsName(base));

    // Escapes and characters of several bytes count by their bytes, and a cut
    // never splits a character or an escape.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80").repeated(100);
    const QString slashes = QStringLiteral("a/").repeated(120);
    for (const QString &name : {emoji, slashes, QString::fromUtf8("\xC3\xA9").repeated(200)}) {
        const QString file = fileNameForName(name);
        EXPECT_LE(bytesWithExtension(name), kComponentLimit);
        EXPECT_EQ(QString::fromUtf8(file.toUtf8()), file) << "a character was split";
        EXPECT_FALSE(file.contains(QLatin1Char('/')));
        EXPECT_FALSE(file.contains(QRegularExpression(QStringLiteral("%.?$|%[0-9A-F]?%~"))))
            << file.toStdString();
    }
}

TEST(LongFileNames, NamesThatFitKeepTheFileTheyAlwaysHad)
{
    // 251 bytes and the extension make exactly 255: such files were written
    // before, so their names stay as they were.
    const QString fits(251, QLatin1Char('x'));
    EXPECT_EQ(fileNameForName(fits), fits);
    EXPECT_TRUE(fileNameKeepsName(fits));
    EXPECT_TRUE(fileNameKeepsName(QStringLiteral("50% of ../x")));
}

using LongNameFiles = ContextFixture;

TEST_F(LongNameFiles, APlayerWithAVeryLongNameHasTheirGamesRecorded)
{
    const QString first(300, QLatin1Char('L'));
    const QString second = first.left(299) + QLatin1Char('M');
    for (const QString &player : {first, second}) {
        ctx->data.SetCurPlayer(player);
        ctx->data.SetCurGName(QStringLiteral("Klondike"));
        ASSERT_TRUE(ctx->scores.AddScore(0)) << ctx->scores.lastError().toStdString();
        ctx->scores.CloseScore();
        ASSERT_TRUE(ctx->scores.OpenScore(player));
        EXPECT_EQ(ctx->scores.ScoreTop(), 1) << "each long name has a file of its own";
        ctx->scores.CloseScore();
    }
}

using ListedGameFiles = ContextFixture;

TEST_F(ListedGameFiles, FilesNamedOtherwiseThanTheProgramNamesThemLoadFromWhatWasListed)
{
    // Each file holds a different pile count, so the test sees which was read.
    writeFile(QStringLiteral("Upper.GAM"), "0,0,0,4,13,4,1,1\r\n");
    writeFile(QStringLiteral("Say \"hi\".gam"), "0,0,0,4,13,5,1,1\r\n");
    writeFile(QStringLiteral("50%.gam"), "0,0,0,4,13,6,1,1\r\n");
    writeFile(QStringLiteral("Blank .gam"), "0,0,0,4,13,8,1,1\r\n");
    writeFile(QStringLiteral("100%41.gam"), "0,0,0,4,13,9,1,1\r\n");
    writeFile(QStringLiteral("100A.gam"), "0,0,0,4,13,7,1,1\r\n");
    ctx->custom.Init();
    QMap<QString, int> piles;
    for (int16_t id = 4; id <= ctx->data.TotalGames(); ++id) {
        const QString name = ctx->data.GetGName(id);
        GameRecord r;
        const QString problem = ctx->custom.LoadRecord(name, &r);
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        piles[name] = r.hPiles;
    }
    const QMap<QString, int> expected{{"Upper", 4}, {"Say \"hi\"", 5}, {"50%", 6},
                                      {"Blank ", 8}, {"100%41", 9}, {"100A", 7}};
    EXPECT_EQ(piles, expected);
    EXPECT_TRUE(NewGame(*ctx, QStringLiteral("Upper"), GameNumber::fromNumber(3)).isEmpty());
    EXPECT_EQ(ctx->games.Piles(kTableau), 4);
}

TEST_F(ListedGameFiles, SavingAListedGameRewritesItsFileInsteadOfAddingASecond)
{
    writeFile(QStringLiteral("Upper.GAM"), "0,0,0,4,13,4,1,1\r\n");
    ctx->custom.Init();
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Upper"), GameRecord{0, 0, 0, 4, 13, 6, 1, 1}).isEmpty());
    ctx->custom.Init();
    EXPECT_EQ(ctx->custom.TotalGames(), 1);
    GameRecord r;
    ASSERT_TRUE(ctx->custom.LoadRecord(QStringLiteral("Upper"), &r).isEmpty());
    EXPECT_EQ(r.hPiles, 6);
}

TEST_F(ListedGameFiles, ControlCharactersFromADamagedFileShowAsEscapes)
{
    writeFile(QStringLiteral("Noisy.gam"), "0,0,\x07\x1b[2J\xe2\x80\xae,4,13,7,1,1\r\n");
    const QString problem = ctx->custom.InitGame(QStringLiteral("Noisy"));
    ASSERT_FALSE(problem.isEmpty());
    for (const QChar c : problem)
        EXPECT_FALSE(c.category() == QChar::Other_Control || c.unicode() == 0x202E) << int(c.unicode());
    EXPECT_TRUE(problem.contains(QStringLiteral("\\x07\\x1B[2J\\u202E"))) << problem.toStdString();
    // Ordinary text is left as it is; tabs and line breaks are escaped too.
    EXPECT_EQ(printableText(QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80")), QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80"));
    EXPECT_EQ(printableText(QStringLiteral("a\tb\nc")), QStringLiteral("a\\x09b\\x0Ac"));
}

TEST_F(ListedGameFiles, AnEmptyGameNameIsAnsweredWithASentence)
{
    GameRecord r;
    const QString problem = ctx->custom.LoadRecord(QString(), &r);
    EXPECT_TRUE(problem.endsWith(QLatin1Char('.')));
    EXPECT_TRUE(problem.at(0).isUpper());
}

} // namespace
