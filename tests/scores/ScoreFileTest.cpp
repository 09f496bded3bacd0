// The score and favourites files: what is written, and what survives reading.
#include "ScoreTestSupport.h"

#include "scores/ScoreFile.h"
#include "scores/cScore.h"
#include "session/Lifecycle.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

using namespace cardova;
using namespace cardova::test;

namespace {
class ScoreFileTest : public ScoreFixture {
protected:
    void setGame(const QString &game, const GameNumber &no, int32_t time, int16_t moves, int16_t score)
    {
        ctx->data.SetCurGName(game);
        ctx->data.SetCurGNo(no);
        ctx->data.CurTime = time;
        ctx->data.CurMoves = moves;
        ctx->data.CurScore = score;
    }
    cScore &scores() { return ctx->scores; }
};

const QByteArray kGood = "\"2026-03-01 12:00:00\",\"Klondike\",4711,307,95,370,1";
} // namespace

TEST_F(ScoreFileTest, AddScoreAppendsOneLinePerGame)
{
    setGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711), 307, 95, 370);
    ASSERT_TRUE(scores().AddScore(1));
    clock = clock.addSecs(3600);
    setGame(QStringLiteral("Lawn"), *GameNumber::fromText(QStringLiteral("0042")), 5, 2, -12);
    ASSERT_TRUE(scores().AddScore(0));
    EXPECT_EQ(readData(QStringLiteral("Player1.sre")),
              line(kGood) + line("\"2026-03-01 13:00:00\",\"Lawn\",\"0042\",5,2,-12,0"));

    scores().OpenAllScore();
    ASSERT_EQ(scores().ScoreTop(), 2);
    const ScoreRec text = scores().GetScoreRec(2);
    EXPECT_EQ(text.Date, "2026-03-01 13:00:00");
    EXPECT_TRUE(text.GNo.isText());
    EXPECT_EQ(text.GNo.toText(), "0042");
    EXPECT_EQ(text.Score, -12);
    EXPECT_EQ(text.Player, "Player1");
    EXPECT_EQ(scores().GetScoreRec(1).GNo, GameNumber::fromNumber(4711));
    EXPECT_EQ(scores().SkippedLines(), 0);
}

TEST_F(ScoreFileTest, QuotesCommasAndLineBreaksInNamesReadBack)
{
    setGame(QStringLiteral("Say \"hi\", then\r\nleave"), GameNumber::fromNumber(1), 1, 1, 1);
    ASSERT_TRUE(scores().AddScore(1));
    EXPECT_EQ(readData(QStringLiteral("Player1.sre")),
              line("\"2026-03-01 12:00:00\",\"Say \"\"hi\"\", then  leave\",1,1,1,1,1"));
    scores().OpenAllScore();
    ASSERT_EQ(scores().ScoreTop(), 1);
    EXPECT_EQ(scores().GetScoreRec(1).GName, "Say \"hi\", then  leave");
}

TEST_F(ScoreFileTest, RandomNamesAndNumbersSurviveTheRoundTrip)
{
    QRandomGenerator rng(20260301);
    const QString alphabet = QStringLiteral("ab \",;\\/.%\t\u00e9\u4e2d\U0001F0A1");
    NameCache names;
    for (int i = 0; i < 300; ++i) {
        ScoreRec r;
        r.Date = QStringLiteral("2026-03-01 12:00:00");
        for (int k = int(rng.bounded(12)); k > 0; --k)
            r.GName += alphabet.mid(int(rng.bounded(int(alphabet.size()))), 1);
        // The last entry of the alphabet is a pair of halves: keep pairs whole.
        r.GName = QString::fromUtf8(r.GName.toUtf8());
        r.GNo = i % 3 ? GameNumber::fromNumber(double(rng.generate64() % 1000000000000000ULL))
                      : *GameNumber::fromText(QString::number(rng.bounded(100000)).rightJustified(7, QLatin1Char('0')));
        r.Time = int32_t(rng.generate());
        r.Moves = int16_t(rng.generate());
        r.Score = int16_t(rng.generate());
        r.Won = int16_t(rng.bounded(2));
        QByteArray bytes = scoreLine(r);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        bytes.chop(2);
        ScoreRec back;
        ASSERT_TRUE(parseScoreLine(bytes.constData(), bytes.constData() + bytes.size(), names, &back))
            << bytes.toStdString();
        EXPECT_EQ(back.GName, r.GName);
        EXPECT_EQ(back.GNo, r.GNo);
        EXPECT_EQ(back.Time, r.Time);
        EXPECT_EQ(back.Moves, r.Moves);
        EXPECT_EQ(back.Score, r.Score);
        EXPECT_EQ(back.Won, r.Won);
    }
}

TEST_F(ScoreFileTest, PlayerNamesNeverLeaveTheDataFolder)
{
    const QStringList players = {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral(".."),
                                 QStringLiteral("c:\\d"), QStringLiteral("q\"uote,")};
    setPlayers(players);
    setGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1), 1, 1, 1);
    for (const QString &p : players) {
        ctx->data.SetCurPlayer(p);
        ASSERT_TRUE(scores().AddScore(1)) << p.toStdString();
    }
    // Every file sits directly in the data folder; nothing was written next to it.
    QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QStringList sre;
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".sre"))) {
            EXPECT_EQ(QFileInfo(path).absolutePath() + QLatin1Char('/'), QDir(dataDir()).absolutePath() + QLatin1Char('/'));
            sre << path;
        }
    }
    EXPECT_EQ(sre.size(), players.size());
    scores().OpenAllScore();
    ASSERT_EQ(scores().ScoreTop(), players.size());
    for (int i = 0; i < players.size(); ++i)
        EXPECT_EQ(scores().GetScoreRec(i + 1).Player, players[i]);
}

TEST_F(ScoreFileTest, DamagedLinesAreSkippedCountedAndLeftInTheFile)
{
    QByteArray junk;
    for (int i = 0; i < 256; ++i)
        junk += char((i * 37) & 0xff);
    junk.replace('\n', 'x').replace('\r', 'x'); // a CR alone also ends a line
    const QByteArray content = line(kGood) +
        line("\"2026-03-01 12:00:00\",\"Klon") +                          // cut short
        line("\"2026-03-01 12:00:00\",\"Klondike\",4711,307,95,370") +    // six fields
        line(kGood + ",1") +                                              // eight fields
        line("\"2026-03-01 12:00:00\",\"Klon\"dike\",4711,307,95,370,1") + // stray quote
        line("\"2026-03-01 12:00:00\",Klondike,4711,307,95,370,1") +       // name unquoted
        line("\"2026-03-01 12:00:00\",\"Klondike\",4711,99999999999,95,370,1") + // too big
        line("\"2026-03-01 12:00:00\",\"Klondike\",4711,3x7,95,370,1") +   // not a number
        line("\"2026-03-01 12:00:00\",\"Klondike\",\"abc\",307,95,370,1") + // number text
        line("\"2026-03-01 12:00:00\",\"Klondike\",1e999,307,95,370,1") +  // infinite
        line("\"2026-03-01 12:00:00\",\"Klondike\",4711,307,95,370,40000") + // won too big
        line(junk) + line("") + line("   ") +
        "\"2026-03-02 08:00:00\",\"Lawn\",12.5,1,2,-3,0"; // no final line ending
    writeScores(QStringLiteral("Player1"), content);
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
    EXPECT_EQ(scores().SkippedLines(), 11);
    EXPECT_EQ(scores().GetScoreRec(2).GName, "Lawn");
    EXPECT_EQ(scores().GetScoreRec(2).GNo.toDouble(), 12.5);
    EXPECT_EQ(readData(QStringLiteral("Player1.sre")), content);
    // The counter starts again with every load.
    scores().OpenAllScore();
    EXPECT_EQ(scores().SkippedLines(), 11);
    scores().CloseScore();
    EXPECT_EQ(scores().SkippedLines(), 0);
    EXPECT_EQ(scores().ScoreTop(), 0);
}

TEST_F(ScoreFileTest, NumbersAtTheEdgesOfTheirRanges)
{
    NameCache names;
    const auto parse = [&](const QByteArray &fields, ScoreRec *r) {
        return parseScoreLine(fields.constData(), fields.constData() + fields.size(), names, r);
    };
    const QByteArray head = "\"2026-03-01 12:00:00\",\"K\",";
    ScoreRec r;
    ASSERT_TRUE(parse(head + "1,2147483647,-2147483648,-1,1", &r));
    EXPECT_EQ(r.Time, 2147483647);
    EXPECT_EQ(r.Moves, -2147483648LL);
    EXPECT_FALSE(parse(head + "1,2147483648,1,1,1", &r));
    EXPECT_FALSE(parse(head + "1,1,-2147483649,1,1", &r));
    EXPECT_FALSE(parse(head + "1,1,1,1,32768", &r));
    EXPECT_FALSE(parse(head + "1,1,1,1," + QByteArray(5000, '9'), &r));
    EXPECT_FALSE(parse(head + "1,1,1,,1", &r));
    EXPECT_FALSE(parse(head + "1,1,1,-,1", &r));
    ASSERT_TRUE(parse(head + "123456789012345678901,1,1,1,1", &r));
    EXPECT_FALSE(r.GNo.isText());
    EXPECT_EQ(r.GNo.toDouble(), 123456789012345678901.0);
    ASSERT_TRUE(parse(head + "\" 0042\",1,1,1,1", &r));
    EXPECT_EQ(r.GNo.toText(), " 0042");
    // Blanks around unquoted numbers and after a closing quote are tolerated.
    ASSERT_TRUE(parse("\"d\" ,\"K\", 5 , 1,1,1,0", &r));
    EXPECT_EQ(r.GNo.toDouble(), 5);
}

TEST_F(ScoreFileTest, EmptyMissingAndLfOnlyFiles)
{
    setPlayers({QStringLiteral("Empty"), QStringLiteral("Missing"), QStringLiteral("Unix")});
    writeScores(QStringLiteral("Empty"), QByteArray());
    writeScores(QStringLiteral("Unix"), kGood + "\n" + kGood + "\n");
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
    EXPECT_EQ(scores().SkippedLines(), 0);
    EXPECT_EQ(scores().GetScoreRec(1).Player, "Unix");
    EXPECT_FALSE(QFile::exists(scores().scoreFilePath(QStringLiteral("Missing"))));
    // OpenScore appends; OpenAllScore starts over.
    EXPECT_TRUE(scores().OpenScore(QStringLiteral("Unix")));
    EXPECT_EQ(scores().ScoreTop(), 4);
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
}

TEST_F(ScoreFileTest, EveryKindOfLineEndAndAByteOrderMarkReadsEveryRecord)
{
    const QByteArray lawn = "\"2026-03-02 08:00:00\",\"Lawn\",12,1,2,-3,0";
    const QByteArray bom = "\xEF\xBB\xBF";
    setPlayers({QStringLiteral("Doubled"), QStringLiteral("OldMac"), QStringLiteral("Marked"),
                QStringLiteral("Mixed")});
    writeScores(QStringLiteral("Doubled"), kGood + "\r\r\n" + lawn + "\r\r\n");
    writeScores(QStringLiteral("OldMac"), kGood + "\r" + lawn + "\r");
    writeScores(QStringLiteral("Marked"), bom + line(kGood) + line(lawn));
    writeScores(QStringLiteral("Mixed"), kGood + "\n" + lawn + "\r" + kGood + "\r\r\n\r\n" + lawn);
    scores().OpenAllScore();
    EXPECT_EQ(scores().SkippedLines(), 0);
    ASSERT_EQ(scores().ScoreTop(), 10);
    const QStringList players = {"Doubled", "Doubled", "OldMac", "OldMac", "Marked", "Marked",
                                 "Mixed", "Mixed", "Mixed", "Mixed"};
    for (int i = 1; i <= 10; ++i) {
        const ScoreRec r = scores().GetScoreRec(i);
        EXPECT_EQ(r.Player, players[i - 1]) << i;
        EXPECT_EQ(r.GName, i % 2 ? "Klondike" : "Lawn") << i;
        EXPECT_EQ(r.Won, i % 2 ? 1 : 0) << i;
    }
    EXPECT_EQ(scores().GetScoreRec(5).Date, "2026-03-01 12:00:00"); // the mark is not part of the date

    // The favourites file is read the same way.
    QFile fav(scores().favFilePath());
    ASSERT_TRUE(fav.open(QIODevice::WriteOnly));
    fav.write(bom + "\"Klondike\",1\r\"Lawn\",2\r\r\n\"Lawn\",3");
    fav.close();
    scores().OpenFav();
    EXPECT_EQ(scores().FavSkippedLines(), 0);
    ASSERT_EQ(scores().FavTop(), 3);
    EXPECT_EQ(scores().GetFavRec(1).GName, "Klondike");
    EXPECT_EQ(scores().GetFavRec(2).GNo.toText(), "2");
    EXPECT_EQ(scores().GetFavRec(3).GNo.toText(), "3");
}

TEST_F(ScoreFileTest, AnAppendAfterALineCutShortStartsANewLine)
{
    writeScores(QStringLiteral("Player1"), line(kGood) + "\"2026-03-01 12:00:00\",\"Klo");
    setGame(QStringLiteral("Lawn"), GameNumber::fromNumber(3), 1, 1, 1);
    ASSERT_TRUE(scores().AddScore(1));
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
    EXPECT_EQ(scores().SkippedLines(), 1);
    EXPECT_EQ(scores().GetScoreRec(2).GName, "Lawn");
}

TEST_F(ScoreFileTest, AFailedWriteIsReportedNotHidden)
{
    setGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1), 1, 1, 1);
    // A folder where the file should be: nothing can be appended.
    ASSERT_TRUE(QDir().mkpath(scores().scoreFilePath(QStringLiteral("Player1"))));
    EXPECT_FALSE(scores().AddScore(1));
    EXPECT_FALSE(scores().lastError().isEmpty());
    // With no current player there is no file to write to.
    ctx->data.SetCurPlayer(QString());
    EXPECT_FALSE(scores().AddScore(1));
    EXPECT_FALSE(QFile::exists(dataDir() + QStringLiteral(".sre")));
}

TEST_F(ScoreFileTest, AnAppendCutShortByAFullDiskLeavesNoTornLine)
{
    writeScores(QStringLiteral("Player1"), line(kGood));
    const QByteArray before = readData(QStringLiteral("Player1.sre"));
    setGame(QStringLiteral("Lawn"), GameNumber::fromNumber(3), 1, 1, 1);
    {
        // Room for a part of the new line only.
        FileSizeLimit full(before.size() + 20);
        EXPECT_FALSE(scores().AddScore(1));
    }
    EXPECT_TRUE(scores().lastError().contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << scores().lastError().toStdString();
    EXPECT_EQ(readData(QStringLiteral("Player1.sre")), before);
    // With room again the next game is a whole line of its own.
    ASSERT_TRUE(scores().AddScore(1));
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
    EXPECT_EQ(scores().SkippedLines(), 0);
}

TEST_F(ScoreFileTest, EndGameRecordsIntoTheStoreAndTheSessionLog)
{
    start(QStringLiteral("Klondike"), 5);
    clock = clock.addSecs(30);
    start(QStringLiteral("Lawn"), 6); // the running game is recorded as not won
    EndGame(*ctx, 0);
    scores().OpenAllScore();
    ASSERT_EQ(scores().ScoreTop(), 2);
    const ScoreRec first = scores().GetScoreRec(1);
    EXPECT_EQ(first.GName, "Klondike");
    EXPECT_EQ(first.GNo.toText(), "5");
    EXPECT_EQ(first.Time, 30);
    EXPECT_EQ(first.Won, 0);
    EXPECT_EQ(first.Date, "2026-03-01 12:00:30");
    ASSERT_EQ(scores().SesTop(), 2);
    const ScoreRec ses = scores().GetSesRec(2);
    EXPECT_EQ(ses.GName, "Lawn");
    EXPECT_EQ(ses.Player, "Player1");
    EXPECT_TRUE(ses.Date.isEmpty());
    EXPECT_EQ(scores().GetSesRec(3).GName, QString());
}

TEST_F(ScoreFileTest, FavouritesKeepTheirOrderDuplicatesAndTextNumbers)
{
    EXPECT_TRUE(scores().ClearFav()); // nothing to delete is no failure
    scores().OpenFav();
    EXPECT_EQ(scores().FavTop(), 0);
    ASSERT_TRUE(scores().AddFav(QStringLiteral("Klondike"), GameNumber::fromNumber(4711)));
    ASSERT_TRUE(scores().AddFav(QStringLiteral("Klondike"), GameNumber::fromNumber(4711)));
    ASSERT_TRUE(scores().AddFav(QStringLiteral("My \"game\", 2"), *GameNumber::fromText(QStringLiteral("007"))));
    EXPECT_EQ(scores().FavTop(), 0); // the list changes only with OpenFav
    EXPECT_EQ(readData(QStringLiteral("tbr.fav")),
              line("\"Klondike\",4711") + line("\"Klondike\",4711") + line("\"My \"\"game\"\", 2\",\"007\""));

    QFile f(scores().favFilePath());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\"Lawn\"\r\n\"Lawn\",x1\r\nKlondike,1\r\n\"Lawn\",9"); // three damaged, one unended
    f.close();
    scores().OpenFav();
    ASSERT_EQ(scores().FavTop(), 4);
    EXPECT_EQ(scores().FavSkippedLines(), 3);
    EXPECT_EQ(scores().GetFavRec(1).GNo.toText(), "4711");
    EXPECT_EQ(scores().GetFavRec(3).GName, "My \"game\", 2");
    EXPECT_TRUE(scores().GetFavRec(3).GNo.isText());
    EXPECT_EQ(scores().GetFavRec(3).GNo.toText(), "007");
    EXPECT_EQ(scores().GetFavRec(4).GName, "Lawn");
    EXPECT_EQ(scores().GetFavRec(5).GName, QString());

    scores().CloseFav();
    EXPECT_EQ(scores().FavTop(), 0);
    scores().OpenFav();
    EXPECT_EQ(scores().FavTop(), 4);
    EXPECT_TRUE(scores().ClearFav());
    EXPECT_FALSE(QFile::exists(scores().favFilePath()));
    scores().OpenFav();
    EXPECT_EQ(scores().FavTop(), 0);
}
