// The store as the dialogs use it: loading every player, ranking, clearing.
#include "ScoreTestSupport.h"

#include "scores/cScore.h"

#include <QDir>
#include <QFile>

using namespace cardova;
using namespace cardova::test;

namespace {
class ScoreStoreTest : public ScoreFixture {
protected:
    void SetUp() override
    {
        ScoreFixture::SetUp();
        setPlayers({QStringLiteral("Ann"), QStringLiteral("Bob")});
        writeScores(QStringLiteral("Ann"), line("\"2026-03-01 10:00:00\",\"Klondike\",1,200,50,30,1") +
                                               line("\"2026-03-01 11:00:00\",\"Lawn\",2,90,40,45,0"));
        writeScores(QStringLiteral("Bob"), line("\"2026-03-02 10:00:00\",\"Klondike\",3,150,60,30,1"));
        writeScores(QStringLiteral("Gone"), line("\"2026-03-02 10:00:00\",\"Klondike\",4,10,10,99,1"));
    }
    cScore &scores() { return ctx->scores; }
};
} // namespace

TEST_F(ScoreStoreTest, OpenAllScoreLoadsListedPlayersInOrder)
{
    scores().OpenAllScore();
    ASSERT_EQ(scores().ScoreTop(), 3);
    EXPECT_EQ(scores().GetScoreRec(1).Player, "Ann");
    EXPECT_EQ(scores().GetScoreRec(2).GName, "Lawn");
    EXPECT_EQ(scores().GetScoreRec(3).Player, "Bob");
    EXPECT_EQ(scores().SumAll().Score, 105); // "Gone" is not in the list
}

TEST_F(ScoreStoreTest, RankingsFillTheTopTableFromTheLoadedRecords)
{
    scores().OpenAllScore();
    scores().Sort(QString(), QString(), 0);
    ASSERT_EQ(scores().TopCount(), 3);
    EXPECT_EQ(scores().GetTopRec(1).Score, 45);
    EXPECT_EQ(scores().GetTopRec(2).Player, "Bob"); // the later 30
    EXPECT_TRUE(scores().GetTopRec(0).GName.isEmpty());
    scores().Sort(QString(), QString(), 1);
    EXPECT_EQ(scores().TopCount(), 2);
    scores().FinSort(true, false);
    ASSERT_EQ(scores().TopCount(), 2);
    EXPECT_EQ(scores().GetTopRec(1).Time, 150);
    scores().FinSort(false, true);
    EXPECT_EQ(scores().GetTopRec(1).Moves, 50);
    scores().CloseScore();
    EXPECT_EQ(scores().TopCount(), 0);
    EXPECT_TRUE(scores().GetTopRec(1).GName.isEmpty());
}

TEST_F(ScoreStoreTest, ClearStatAsksFirstAndNoChangesNothing)
{
    scores().OpenAllScore();
    ScriptedPrompt no(false);
    EXPECT_FALSE(scores().ClearStat(no));
    ASSERT_EQ(no.questions.size(), 1);
    EXPECT_EQ(no.questions[0], "Are you sure you want to clear the Statistics, High Score and Log for all "
                               "Players and all Games ?");
    EXPECT_EQ(no.titles[0], "Cardova");
    EXPECT_TRUE(no.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(scores().scoreFilePath(QStringLiteral("Ann"))));

    ScriptedPrompt yes(true);
    EXPECT_TRUE(scores().ClearStat(yes));
    EXPECT_EQ(yes.messages, QStringList{QStringLiteral("Statistics, High Score and Log have been Cleared.")});
    EXPECT_FALSE(QFile::exists(scores().scoreFilePath(QStringLiteral("Ann"))));
    EXPECT_FALSE(QFile::exists(scores().scoreFilePath(QStringLiteral("Bob"))));
    EXPECT_TRUE(QFile::exists(scores().scoreFilePath(QStringLiteral("Gone"))));
    // What was loaded stays until the next load.
    EXPECT_EQ(scores().ScoreTop(), 3);
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 0);
}

TEST_F(ScoreStoreTest, ClearStatSaysSoWhenAFileStays)
{
    // A folder in place of Bob's file cannot be removed as a file.
    QFile::remove(scores().scoreFilePath(QStringLiteral("Bob")));
    ASSERT_TRUE(QDir().mkpath(scores().scoreFilePath(QStringLiteral("Bob")) + QStringLiteral("/x")));
    ScriptedPrompt yes(true);
    EXPECT_FALSE(scores().ClearStat(yes));
    ASSERT_EQ(yes.messages.size(), 1);
    EXPECT_TRUE(yes.messages[0].contains(QLatin1String("Bob")));
    EXPECT_FALSE(yes.messages[0].contains(QLatin1String("Cleared.")));
    EXPECT_FALSE(QFile::exists(scores().scoreFilePath(QStringLiteral("Ann"))));
}

TEST_F(ScoreStoreTest, NamesInMessagesShowTheirControlCharactersEscaped)
{
    const QString odd = QStringLiteral("Bo\x1b]0;owned\x07" "b\nX");
    setPlayers({QStringLiteral("Ann"), odd});
    ASSERT_TRUE(QDir().mkpath(scores().scoreFilePath(odd) + QStringLiteral("/x")));
    ScriptedPrompt yes(true);
    EXPECT_FALSE(scores().ClearStat(yes));
    ASSERT_EQ(yes.messages.size(), 1);
    EXPECT_TRUE(yes.messages[0].endsWith(QStringLiteral("Bo\\x1B]0;owned\\x07b\\x0AX")))
        << yes.messages[0].toStdString();
    for (const QChar c : yes.messages[0])
        EXPECT_GE(c.unicode(), 0x20);
}

TEST_F(ScoreStoreTest, UnreadableScoreFilesAreNamedUntilTheNextLoad)
{
    // A folder where Bob's file belongs cannot be read, by root either.
    QFile::remove(scores().scoreFilePath(QStringLiteral("Bob")));
    ASSERT_TRUE(QDir().mkpath(scores().scoreFilePath(QStringLiteral("Bob"))));
    scores().OpenAllScore();
    EXPECT_EQ(scores().ScoreTop(), 2);
    EXPECT_EQ(scores().UnreadableFiles(), QStringList{"Bob.sre"});
    EXPECT_FALSE(scores().OpenScore(QStringLiteral("Bob")));
    EXPECT_EQ(scores().UnreadableFiles(), (QStringList{"Bob.sre", "Bob.sre"}));
    QDir(scores().scoreFilePath(QStringLiteral("Bob"))).removeRecursively();
    scores().OpenAllScore();
    EXPECT_TRUE(scores().UnreadableFiles().isEmpty());
}
