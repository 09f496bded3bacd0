#include "GameSaveFixture.h"

#include "session/Commands.h"
#include "session/Lifecycle.h"
#include "session/SaveKeeper.h"

#include <QElapsedTimer>
#include <QFileInfo>

using namespace cardova;
using namespace cardova::test;

namespace {
const QString kFile = QStringLiteral("saved-game.cdvsave");

class SaveAppendTest : public GameSaveTest {
protected:
    void SetUp() override
    {
        GameSaveTest::SetUp();
        keeper = std::make_unique<SaveKeeper>(*ctx);
        ctx->tableSettled = [this] { keeper->settle(); };
    }
    void TearDown() override
    {
        ctx->tableSettled = [] {};
        GameSaveTest::TearDown();
    }
    // Continues `text` as the kept file in the next run of the program.
    std::unique_ptr<GameContext> continueText(const QByteArray &text, ContinueResult *result)
    {
        writeFile(kFile, text);
        auto next = nextRun();
        *result = continueSavedGame(*next);
        return next;
    }

    std::unique_ptr<SaveKeeper> keeper;
};

// The file as the first version wrote it.
QByteArray version1Text(const SavedGame &g)
{
    QByteArray out = "CardovaSavedGame 1\ngame " + g.gameName.toUtf8() + "\nnumber " + g.gameNumber.toUtf8() +
                     "\nelapsed " + QByteArray::number(g.elapsed) + "\nscore " + QByteArray::number(g.score) +
                     "\nautoplay " + QByteArray::number(g.autoplay) + ' ' +
                     QByteArray::number(g.autoplaySuppressed ? 1 : 0) + "\nlog " + QByteArray::number(g.transPos) +
                     ' ' + QByteArray::number(qsizetype(g.records.size())) + "\ntable " +
                     QByteArray::number(qulonglong(g.tableHash), 16) + '\n';
    for (const TransRecord &r : g.records) {
        out += "move";
        for (int v : {int(r.PicID), int(r.SCell), int(r.SPile), int(r.SPos), int(r.DCell), int(r.DPile), int(r.DPos),
                      int(r.mCards), int(r.tMod), int(r.Multi)})
            out += ' ' + QByteArray::number(v);
        out += '\n';
    }
    return out + "end\n";
}
} // namespace

TEST_F(SaveAppendTest, AnAppendCutAnywhereOrGarbledGivesTheMoveBeforeIt)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    // Up to an action after which cards go home by themselves: an appended
    // chunk of several records.
    const QStringList actions = winningActions();
    QByteArray before;
    GameView viewBefore;
    int appends = 0;
    for (int i = 0;; ++i) {
        ASSERT_LT(i, actions.size());
        before = savedText();
        viewBefore = viewOf(*ctx);
        appends = keeper->appends();
        const int top = ctx->trans->TransTop;
        ASSERT_TRUE(play(*ctx, actions[i]));
        if (i >= 20 && ctx->trans->TransTop > top + 1)
            break;
    }
    const QByteArray after = savedText();
    const GameView viewAfter = viewOf(*ctx);
    ASSERT_EQ(keeper->appends(), appends + 1);
    ASSERT_TRUE(after.startsWith(before)); // appended, not written anew

    ContinueResult result;
    for (qsizetype n = before.size(); n <= after.size(); ++n) {
        auto next = continueText(after.left(n), &result);
        ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << "cut after " << n << " bytes";
        EXPECT_EQ(viewOf(*next), n == after.size() ? viewAfter : viewBefore) << "cut after " << n << " bytes";
    }
    // A power cut can leave the end of a file zeroed or garbled.
    EXPECT_EQ(viewOf(*continueText(after + QByteArray(64, '\0'), &result)), viewAfter);
    EXPECT_EQ(viewOf(*continueText(before + QByteArray(64, '\0'), &result)), viewBefore);
    QByteArray garbled = after;
    const qsizetype digit = garbled.indexOf(" 1", before.size()) + 1; // a word of the new chunk
    garbled[digit] = '2';
    EXPECT_EQ(viewOf(*continueText(garbled, &result)), viewBefore);
}

TEST_F(SaveAppendTest, EveryAppendedStateMustLeadToItsTable)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 20);
    const QByteArray before = savedText();
    const size_t recordsBefore = size_t(ctx->trans->TransTop);
    ASSERT_TRUE(play(*ctx, winningActions()[20]));
    SavedGame wrong = captureGame(*ctx);
    wrong.tableHash ^= 1; // a well-formed chunk whose moves lead elsewhere
    ContinueResult result;
    auto next = continueText(before + savedGameChunk(wrong, recordsBefore), &result);
    EXPECT_EQ(result.kind, ContinueResult::Kind::SetAside);
    EXPECT_TRUE(result.message.contains(QStringLiteral("do not fit"))) << result.message.toStdString();
    EXPECT_EQ(next->phase, GamePhase::NoGame);
}

TEST_F(SaveAppendTest, DamageBeforeAWholeChunkSetsTheFileAsideUntouched)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 20);
    QByteArray damaged = savedText();
    damaged[damaged.indexOf("\nmove ") + 6] = 'x';
    ContinueResult result;
    auto next = continueText(damaged, &result);
    EXPECT_EQ(result.kind, ContinueResult::Kind::SetAside);
    EXPECT_TRUE(result.message.contains(QStringLiteral("damaged"))) << result.message.toStdString();
    QFile aside(dataDir() + kFile + QStringLiteral(".damaged"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
}

TEST_F(SaveAppendTest, UndoIsAppendedAndAMoveThatCutsTheLogBackRewritesTheFile)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 30);
    const int writes = keeper->writes();
    const int appends = keeper->appends();
    ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(keeper->appends(), appends + 2);
    ASSERT_TRUE(play(*ctx, winningActions()[28])); // the redo moves are gone
    ASSERT_FALSE(ctx->trans->RedoPossible());
    EXPECT_EQ(keeper->writes(), writes + 1);
    const GameView now = viewOf(*ctx);
    ContinueResult result;
    auto next = continueText(savedText(), &result);
    ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << result.message.toStdString();
    EXPECT_EQ(viewOf(*next), now);
}

TEST_F(SaveAppendTest, SupersededStatesAreDroppedByAWholeRewrite)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 10);
    const int writes = keeper->writes();
    qsizetype largest = 0;
    // Each undo and redo appends one more state and nothing else.
    for (int i = 0; i < 1000 && keeper->writes() == writes; ++i) {
        ASSERT_TRUE(CmdUndo(*ctx));
        ASSERT_TRUE(CmdRedo(*ctx));
        largest = std::max(largest, savedText().size());
    }
    EXPECT_GT(keeper->writes(), writes);
    EXPECT_LT(savedText().size(), largest);
    const GameView now = viewOf(*ctx);
    ContinueResult result;
    EXPECT_EQ(viewOf(*continueText(savedText(), &result)), now);
}

TEST_F(SaveAppendTest, AFileOfTheFirstVersionIsContinued)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 40);
    ASSERT_TRUE(CmdUndo(*ctx));
    const GameView now = viewOf(*ctx);
    ctx->tableSettled = [] {};
    ContinueResult result;
    auto next = continueText(version1Text(captureGame(*ctx)), &result);
    ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << result.message.toStdString();
    EXPECT_EQ(viewOf(*next), now);
}

namespace {
// A well-formed text of `records` moves followed by `chunks` chunks that add
// nothing: what a crafted file can hold to make a reader slow.
QByteArray manyChunks(int records, int chunks)
{
    SavedGame g;
    g.gameName = QStringLiteral("Klondike");
    g.gameNumber = QStringLiteral("1");
    g.player = QStringLiteral("Player1");
    g.record = GameRecord{};
    TransRecord r;
    r.PicID = 5;
    r.DCell = kFoundation;
    g.records.assign(size_t(records), r);
    g.transPos = int16_t(records);
    QByteArray text = savedGameText(g);
    const QByteArray nothingNew = savedGameChunk(g, g.records.size());
    text.reserve(text.size() + nothingNew.size() * chunks);
    for (int i = 0; i < chunks; ++i)
        text += nothingNew;
    return text;
}
} // namespace

TEST_F(SaveAppendTest, ACraftedFileOfManyChunksIsReadInTimeLinearInItsSize)
{
    // Each chunk used to copy the whole log: such a text took minutes.
    for (const bool secondVersion : {false, true}) {
        QByteArray text = manyChunks(cTrans::kMaxMoves, 100000);
        if (secondVersion) {
            text.replace("CardovaSavedGame 3\n", "CardovaSavedGame 2\n");
            text.remove(text.indexOf("player "), text.indexOf("\nmove ") + 1 - text.indexOf("player "));
        }
        QElapsedTimer timer;
        timer.start();
        QString why;
        const auto game = parseSavedGame(text, &why);
        const qint64 took = timer.elapsed();
        ASSERT_TRUE(game) << why.toStdString();
        EXPECT_EQ(game->records.size(), size_t(cTrans::kMaxMoves));
        EXPECT_LT(took, 5000) << "a text of " << text.size() << " bytes took " << took << " ms";
    }

    // A file far larger than any kept game is set aside unread.
    QFile file(dataDir() + kFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write(manyChunks(1, 1)) > 0);
    ASSERT_TRUE(file.resize(100 * 1024 * 1024)); // a hole: no disk used
    file.close();
    auto next = nextRun();
    QElapsedTimer timer;
    timer.start();
    const ContinueResult result = continueSavedGame(*next);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_EQ(result.kind, ContinueResult::Kind::SetAside);
    EXPECT_TRUE(result.message.contains(QStringLiteral("far larger"))) << result.message.toStdString();
    EXPECT_EQ(QFileInfo(dataDir() + kFile + QStringLiteral(".damaged")).size(), 100 * 1024 * 1024);
}
