// The statistics export, byte for byte.
#include "ScoreTestSupport.h"

#include "scores/ExportLine.h"
#include "scores/cScore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace cardova;
using namespace cardova::test;

namespace {
class StatExportTest : public ScoreFixture {
protected:
    void SetUp() override
    {
        ScoreFixture::SetUp();
        ctx->scores.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        setPlayers({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Christopher Columbus")});
    }
    QString outPath() const { return dir_.filePath(QStringLiteral("Scoreboard.txt")); }
    QByteArray exported()
    {
        QString error;
        EXPECT_TRUE(ctx->scores.ExportStat(outPath(), &error)) << error.toStdString();
        QFile f(outPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QByteArray crlf(const std::vector<const char *> &lines)
{
    QByteArray out;
    for (const char *l : lines)
        out += QByteArray(l) + "\r\n";
    return out;
}

const std::vector<const char *> kHeader = {
    "Cardova Score Board", " ", "*************************", " ",
    "Created By    Ann", "Created Date  3/1/26 12:00:00", " ",
    "----------------------------------", " ", "General Statistics", "------------------",
    "Played        Won           Lost          Time          Moves         Score",
};
} // namespace

TEST_F(StatExportTest, AKnownDataSetIsLaidOutExactly)
{
    writeScores(QStringLiteral("Ann"), line("\"2026-03-01 12:00:00\",\"Klondike\",4711,307,95,370,1") +
                                           line("\"2026-03-02 09:05:00\",\"Lawn\",\"0042\",65,12,-12,0"));
    writeScores(QStringLiteral("Christopher Columbus"),
                line("\"2026-02-28 23:59:59\",\"A Very Long Custom Game Name\",5,3725,200,15,0"));
    ctx->data.SetTotalGames(4);
    ctx->data.SetGame(4, QStringLiteral("A Very Long Custom Game Name"));

    std::vector<const char *> expected = kHeader;
    for (const char *l : {
        " 3             1             2            1:08:17        307           373 ",
        " ", " ", "Player Statistics", "-----------------",
        "Player        Played        Won           Lost          Time          Moves         Score",
        "Ann            2             1             1            0:06:12        107           358 ",
        "Bob            0             0             0            0:00:00        0             0 ",
        "Christopher Columbus         1             0             1            1:02:05        200           15 ",
        " ", " ", "Games Statistics", "----------------",
        "Game                     Played           Won           Time          Moves         Score",
        "Klondike                  1                1            0:05:07        95            370 ",
        "Klondike Plus             0                0            0:00:00        0             0 ",
        "Lawn                      1                0            0:01:05        12           -12 ",
        "A Very Long Custom Game Name 1             0            1:02:05        200           15 ",
        " ", " ", "Full Statistics", "--------------",
        "Date          Game          Player        Status        Score         Moves         Time          Game No",
        "3/1/26        Klondike      Ann           Won            370           95           0:05:07      4711 ",
        "3/2/26        Lawn          Ann           Lost          -12            12           0:01:05     0042",
        "2/28/26       A Very Long   Christopher   Lost           15            200          1:02:05      5 ",
    })
        expected.push_back(l);
    EXPECT_EQ(exported(), crlf(expected));
    EXPECT_EQ(ctx->scores.ScoreTop(), 0); // the export leaves the list empty
}

TEST_F(StatExportTest, WithNoGamesEveryHeadingAndZeroLineIsThere)
{
    std::vector<const char *> expected = kHeader;
    for (const char *l : {
        " 0             0             0            0:00:00        0             0 ",
        " ", " ", "Player Statistics", "-----------------",
        "Player        Played        Won           Lost          Time          Moves         Score",
        "Ann            0             0             0            0:00:00        0             0 ",
        "Bob            0             0             0            0:00:00        0             0 ",
        "Christopher Columbus         0             0             0            0:00:00        0             0 ",
        " ", " ", "Games Statistics", "----------------",
        "Game                     Played           Won           Time          Moves         Score",
        "Klondike                  0                0            0:00:00        0             0 ",
        "Klondike Plus             0                0            0:00:00        0             0 ",
        "Lawn                      0                0            0:00:00        0             0 ",
        " ", " ", "Full Statistics", "--------------",
        "Date          Game          Player        Status        Score         Moves         Time          Game No",
    })
        expected.push_back(l);
    EXPECT_EQ(exported(), crlf(expected));
}

TEST_F(StatExportTest, TheExportKeepsWhatWasLoadedAndNamesUnreadableFiles)
{
    writeScores(QStringLiteral("Ann"), line("\"2026-03-01 12:00:00\",\"Klondike\",4711,307,95,370,1"));
    ctx->scores.OpenAllScore(); // as a statistics window does when it opens
    writeScores(QStringLiteral("Bob"), line("\"2026-03-01 12:00:00\",\"Lawn\",1,2,3,4,1"));
    ASSERT_TRUE(QDir().mkpath(ctx->scores.scoreFilePath(QStringLiteral("Christopher Columbus"))));
    QString error;
    QStringList unreadable;
    ASSERT_TRUE(ctx->scores.ExportStat(outPath(), &error, &unreadable)) << error.toStdString();
    EXPECT_EQ(unreadable, QStringList{"Christopher Columbus.sre"});
    QFile f(outPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Lawn          Bob")); // the export reads the files anew
    // The window's records are still there, as they were.
    ASSERT_EQ(ctx->scores.ScoreTop(), 1);
    EXPECT_EQ(ctx->scores.GetScoreRec(1).Player, "Ann");
    EXPECT_EQ(ctx->scores.SumAll().Score, 370);
    EXPECT_TRUE(ctx->scores.UnreadableFiles().isEmpty());
    EXPECT_EQ(ctx->scores.GetGameRec(QStringLiteral("Klondike"), 1).Score, 370);
}

TEST_F(StatExportTest, ColumnStopsAndCutsNeverSplitOrJoinItems)
{
    // An item ending exactly on a stop is followed by a whole column.
    EXPECT_EQ(ExportLine().text(QStringLiteral("abcdefghijklmn")).column().text(QStringLiteral("x")).str(),
              QStringLiteral("abcdefghijklmn") + QString(14, QLatin1Char(' ')) + QStringLiteral("x"));
    EXPECT_EQ(ExportLine().text(QString()).column().number(-7).str(), QStringLiteral("              -7 "));
    EXPECT_EQ(ExportLine().gameNumber(GameNumber::fromNumber(-3)).str(), QStringLiteral("-3 "));
    EXPECT_EQ(ExportLine().text(QStringLiteral("a\r\nb\tc")).str(), QStringLiteral("a  b c"));
    EXPECT_EQ(firstChars(QStringLiteral("abcdefghijk\U0001F0A1xyz"), 12), QStringLiteral("abcdefghijk\U0001F0A1"));
    EXPECT_EQ(firstChars(QStringLiteral("short"), 12), QStringLiteral("short"));
}

TEST_F(StatExportTest, AFileThatCannotBeWrittenIsReportedAndKeepsTheOldOne)
{
    QString error;
    const QString intoMissingFolder = dir_.filePath(QStringLiteral("no/such/folder/out.txt"));
    EXPECT_FALSE(ctx->scores.ExportStat(intoMissingFolder, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(intoMissingFolder));

    // A regular file where a folder should be holds for every user, root too.
    const QString plain = dir_.filePath(QStringLiteral("plain"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("plain");
    }
    error.clear();
    EXPECT_FALSE(ctx->scores.ExportStat(plain + QStringLiteral("/out.txt"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(plain).isFile());

    // A disk that fills up while the export is written: the old export stays
    // as it was, and the message keeps the system's reason.
    const QString old = dir_.filePath(QStringLiteral("old.txt"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const QStringList filesBefore = QDir(dir_.path()).entryList(QDir::Files);
    error.clear();
    bool written = true;
    {
        FileSizeLimit full(200);
        written = ctx->scores.ExportStat(old, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << error.toStdString();
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), filesBefore); // no half-written copy left
}

TEST_F(StatExportTest, ATargetThatIsNoOrdinaryFileIsRefusedAndLeftAlone)
{
    const QString pipe = dir_.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir_.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &target : {pipe, folder}) {
        QString error;
        EXPECT_FALSE(ctx->scores.ExportStat(target, &error)) << target.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(pipe).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}
