#include "GameSaveFixture.h"

#include "session/Commands.h"
#include "session/GameSave.h"
#include "session/Lifecycle.h"
#include "session/SaveKeeper.h"
#include "session/cTrans.h"

#include <QFile>
#include <QFileInfo>

using namespace cardova;
using namespace cardova::test;

TEST_F(GameSaveTest, AGameSavedAtShutDownIsTheSameGameAtTheNextStart)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 60); // with a waste turned back (one undo group) and automatic moves
    ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_TRUE(CmdUndo(*ctx)); // moves left to redo
    clock = kStart.addSecs(95);
    UpdateCounters(*ctx);
    const GameView before = viewOf(*ctx);
    ASSERT_TRUE(std::any_of(before.records.begin(), before.records.end(), [](const auto &r) { return r[9] == 1; }));
    ASSERT_TRUE(before.canRedo);
    const int16_t score = ctx->data.CurScore;
    ASSERT_EQ(writeSavedGame(*ctx), QString());

    clock = kStart.addDays(2); // the program starts again two days later
    auto next = nextRun();
    const ContinueResult result = continueSavedGame(*next);
    ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << result.message.toStdString();
    EXPECT_FALSE(savedGameExists(next->data)); // continued once only
    EXPECT_EQ(viewOf(*next), before);
    EXPECT_EQ(next->phase, GamePhase::Playing);
    EXPECT_EQ(next->data.CurGName(), QStringLiteral("Klondike"));
    EXPECT_EQ(next->data.CurGNo().toText(), QStringLiteral("1"));
    EXPECT_EQ(ElapsedTime(*next), 95); // the clock goes on from where it stood
    EXPECT_EQ(next->data.CurMoves, before.pos);
    EXPECT_EQ(next->data.CurScore, score);
    EXPECT_FALSE(next->autoplaySuppressed);

    // Undo and redo take both games the same way.
    for (auto step : {CmdUndo, CmdUndo, CmdRedo}) {
        EXPECT_TRUE(step(*ctx));
        EXPECT_TRUE(step(*next));
        EXPECT_EQ(viewOf(*next), viewOf(*ctx));
    }
    EXPECT_EQ(next->data.CurGName(), ctx->data.CurGName());
}

TEST_F(GameSaveTest, AutomaticPlayIsOffDuringTheRestoreAndAsSavedAfterIt)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 60);
    // Undoing an automatic move leaves a card that automatic play would
    // take again at once; the kept game must not lose that undo.
    while (ctx->trans->record(ctx->trans->TransPos).DCell != kFoundation)
        ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_TRUE(CmdUndo(*ctx));
    ctx->autoplaySuppressed = true; // this run plays without it
    const GameView before = viewOf(*ctx);
    ASSERT_EQ(writeSavedGame(*ctx), QString());

    auto next = nextRun();
    ASSERT_EQ(continueSavedGame(*next).kind, ContinueResult::Kind::Continued);
    EXPECT_EQ(viewOf(*next), before);
    EXPECT_TRUE(next->autoplaySuppressed);
    EXPECT_EQ(next->data.Autoplay(), 1);
}

TEST_F(GameSaveTest, EveryShorterTextAndOtherVersionsAreRefused)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 30);
    const QByteArray text = savedGameText(captureGame(*ctx));
    QString why;
    ASSERT_TRUE(parseSavedGame(text, &why)) << why.toStdString();
    for (qsizetype n = 0; n < text.size(); ++n)
        EXPECT_FALSE(parseSavedGame(text.left(n), &why)) << "cut after " << n << " bytes";
    // A state that counts more moves than its chunk and the chunks before it hold.
    QByteArray tooFew = text;
    const qsizetype firstMove = tooFew.indexOf("\nmove ") + 1;
    tooFew.remove(firstMove, tooFew.indexOf('\n', firstMove) + 1 - firstMove);
    EXPECT_FALSE(parseSavedGame(tooFew, &why));
    QByteArray other = text;
    other.replace("CardovaSavedGame 3\n", "CardovaSavedGame 4\n");
    EXPECT_FALSE(parseSavedGame(other, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("another version"))) << why.toStdString();
    QByteArray outOfRange = text;
    outOfRange.replace("\nmove ", "\nmove 52"); // a card id beyond the deck
    EXPECT_FALSE(parseSavedGame(outOfRange, &why));
    SavedGame badName = captureGame(*ctx);
    badName.gameName = QStringLiteral("Two\nLines");
    EXPECT_TRUE(savedGameText(badName).isEmpty()); // refused, rather than written unreadable
}

TEST_F(GameSaveTest, ADamagedFileIsSetAsideBesideAnOlderOneAndNothingStarts)
{
    MemoryScores scores(ctx->data);
    ctx->setScoreRecorder(&scores);
    writeFile(QStringLiteral("saved-game.cdvsave.damaged"), "an older damaged game");
    writeFile(QStringLiteral("saved-game.cdvsave"), "CardovaSavedGame 1\ngame Klondike\nnumb");
    const ContinueResult result = continueSavedGame(*ctx);
    EXPECT_EQ(result.kind, ContinueResult::Kind::SetAside);
    EXPECT_FALSE(result.fileBlocked);
    EXPECT_TRUE(result.message.contains(QStringLiteral("cut short"))) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains(QStringLiteral("saved-game.cdvsave.damaged-2")));
    EXPECT_TRUE(result.message.endsWith(QLatin1Char('.')));
    EXPECT_FALSE(result.message.contains(QStringLiteral(". "))); // one sentence
    EXPECT_FALSE(savedGameExists(ctx->data));
    QFile older(dataDir() + QStringLiteral("saved-game.cdvsave.damaged"));
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), QByteArray("an older damaged game"));
    QFile aside(dataDir() + QStringLiteral("saved-game.cdvsave.damaged-2"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("CardovaSavedGame 1\ngame Klondike\nnumb"));
    EXPECT_EQ(ctx->phase, GamePhase::NoGame);
    EXPECT_TRUE(scores.entries.empty());
    // The program goes on as usual.
    start(QStringLiteral("Klondike"), 3);
    EXPECT_TRUE(ctx->GameRunning());
}

TEST_F(GameSaveTest, AWholeFileThatNoLongerFitsItsGameIsSetAside)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 30);
    const QByteArray text = savedGameText(captureGame(*ctx));
    const struct {
        QByteArray from, to, reason;
    } cases[] = {
        {"number 1\n", "number 2\n", "do not fit"},            // another deal: the moves fall apart
        {"game Klondike\n", "game Gone\n", "cannot be loaded"}, // a game since deleted
        {"number 1\n", "number one\n", "number"},
    };
    for (const auto &c : cases) {
        QByteArray changed = text;
        changed.replace(c.from, c.to);
        auto next = nextRun();
        writeFile(QStringLiteral("saved-game.cdvsave"), changed);
        const ContinueResult result = continueSavedGame(*next);
        EXPECT_EQ(result.kind, ContinueResult::Kind::SetAside) << c.to.constData();
        EXPECT_TRUE(result.message.contains(QString::fromLatin1(c.reason))) << result.message.toStdString();
        EXPECT_EQ(next->phase, GamePhase::NoGame);
        EXPECT_FALSE(next->autoplaySuppressed);
    }
}

TEST_F(GameSaveTest, KeptAfterEveryMoveAndCountedOnceWhenTheContinuedGameIsWon)
{
    SaveKeeper keeper(*ctx);
    ctx->tableSettled = [&keeper] { keeper.settle(); };
    start(QStringLiteral("Klondike"), kWinningNumber);
    EXPECT_EQ(keeper.writes(), 1);
    playWinningGame(*ctx, 20);
    QString why;
    const auto kept = parseSavedGame(savedText(), &why);
    ASSERT_TRUE(kept) << why.toStdString();
    EXPECT_EQ(kept->transPos, ctx->trans->TransPos); // the last move is in
    const int writes = keeper.writes();
    const int appends = keeper.appends();
    EXPECT_EQ(writes, 1); // no undo: every move after the first write was appended
    EXPECT_GE(appends, 20);
    keeper.settle(); // a rest that changed nothing writes nothing
    EXPECT_EQ(keeper.writes(), writes);
    EXPECT_EQ(keeper.appends(), appends);
    const GameView lastMove = viewOf(*ctx);
    ctx->tableSettled = [] {};
    ctx.reset(); // the program is cut off without closing

    auto next = nextRun();
    MemoryScores scores(next->data);
    next->setScoreRecorder(&scores);
    SaveKeeper nextKeeper(*next);
    next->tableSettled = [&nextKeeper] { nextKeeper.settle(); };
    ASSERT_EQ(continueSavedGame(*next).kind, ContinueResult::Kind::Continued);
    EXPECT_EQ(viewOf(*next), lastMove);
    EXPECT_TRUE(savedGameExists(next->data)); // kept again at once
    const QStringList actions = winningActions();
    for (int i = 20; i < actions.size(); ++i)
        ASSERT_TRUE(play(*next, actions[i])) << actions[i].toStdString();
    ASSERT_EQ(scores.entries.size(), 1u);
    EXPECT_EQ(scores.entries[0].won, 1);
    EXPECT_FALSE(savedGameExists(next->data));
    next->tableSettled = [] {};

    auto third = nextRun();
    EXPECT_EQ(continueSavedGame(*third).kind, ContinueResult::Kind::NoFile);
}

TEST_F(GameSaveTest, WithTheSettingOffNothingIsKeptAndAnOldFileIsLeftAlone)
{
    ctx->data.setIntSetting(IntKey::ContinueGame, 0);
    writeFile(QStringLiteral("saved-game.cdvsave"), "left from an earlier run");
    MemoryScores scores(ctx->data);
    ctx->setScoreRecorder(&scores);
    SaveKeeper keeper(*ctx);
    ctx->tableSettled = [&keeper] { keeper.settle(); };
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 5);
    EndGame(*ctx, 0);
    ctx->tableSettled = [] {};
    EXPECT_EQ(keeper.writes(), 0);
    EXPECT_EQ(scores.entries.size(), 1u);
    EXPECT_EQ(savedText(), QByteArray("left from an earlier run"));
}

TEST_F(GameSaveTest, TurningTheSettingOffMidGameRemovesTheKeptGameWhenItIsRecorded)
{
    SaveKeeper keeper(*ctx);
    ctx->tableSettled = [&keeper] { keeper.settle(); };
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 5);
    ASSERT_TRUE(savedGameExists(ctx->data));
    ctx->data.setIntSetting(IntKey::ContinueGame, 0);
    EndGame(*ctx, 0);
    ctx->tableSettled = [] {};
    EXPECT_FALSE(savedGameExists(ctx->data)); // recorded, so it must not come back
}

namespace {
// A removal the platform refuses (an immutable file, a read-only folder for
// an ordinary user).
bool refuseRemoval(const QString &)
{
    return false;
}

bool oneSentence(const QString &text)
{
    return text.endsWith(QLatin1Char('.')) && !text.contains(QStringLiteral(". "));
}
} // namespace

TEST_F(GameSaveTest, AKeptGameWhoseFileCannotBeRemovedIsNotContinuedSoItIsNeverCountedTwice)
{
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 20);
    ctx->autoplaySuppressed = true;
    ctx->data.SetAutoplay(0);
    ASSERT_EQ(writeSavedGame(*ctx), QString());
    const QByteArray kept = savedText();

    for (int run = 0; run < 2; ++run) { // the same at every start
        auto next = nextRun();
        MemoryScores scores(next->data);
        next->setScoreRecorder(&scores);
        next->data.SetAutoplay(1);
        const ContinueResult result = continueSavedGame(*next, refuseRemoval);
        EXPECT_EQ(result.kind, ContinueResult::Kind::Blocked);
        EXPECT_TRUE(result.fileBlocked); // nothing is written over it this run
        EXPECT_TRUE(result.message.contains(QStringLiteral("cannot be removed"))) << result.message.toStdString();
        EXPECT_TRUE(oneSentence(result.message)) << result.message.toStdString();
        EXPECT_EQ(next->phase, GamePhase::NoGame);
        EXPECT_EQ(next->data.Autoplay(), 1); // the kept game's setting is not taken on
        EXPECT_FALSE(next->autoplaySuppressed);
        EXPECT_EQ(savedText(), kept);
        if (next->GameRunning()) // closing counts a game on the table
            EndGame(*next, 0);
        EXPECT_TRUE(scores.entries.empty());
        EXPECT_EQ(NewGame(*next, QStringLiteral("Klondike"), GameNumber::fromNumber(3)), QString());
        EXPECT_TRUE(next->GameRunning()); // a new game can be played
    }
}

TEST_F(GameSaveTest, ADesignedGameWhoseRulesChangedSinceItWasKeptIsNotContinued)
{
    writeFile(QStringLiteral("Mine.gam"), "0,0,0,4,13,7,1,1\r\n");
    ctx->custom.Init();
    start(QStringLiteral("Mine"), 4711);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(play(*ctx, QStringLiteral("stock")));
    ASSERT_EQ(writeSavedGame(*ctx), QString());
    const QByteArray kept = savedText();
    EXPECT_TRUE(kept.contains("\nrules 0 0 0 4 13 7 1 1\n")) << kept.constData();

    // The same piles and deal, other building rules: the log still fits.
    writeFile(QStringLiteral("Mine.gam"), "0,0,0,9,13,7,0,1\r\n");
    auto next = nextRun();
    const ContinueResult changed = continueSavedGame(*next);
    EXPECT_EQ(changed.kind, ContinueResult::Kind::SetAside);
    EXPECT_TRUE(changed.message.contains(QStringLiteral("the rules of \"Mine\" were changed")))
        << changed.message.toStdString();
    EXPECT_TRUE(oneSentence(changed.message)) << changed.message.toStdString();
    EXPECT_EQ(next->phase, GamePhase::NoGame);

    // Under its own rules it is continued.
    writeFile(QStringLiteral("Mine.gam"), "0,0,0,4,13,7,1,1\r\n");
    writeFile(QStringLiteral("saved-game.cdvsave"), kept);
    auto third = nextRun();
    EXPECT_EQ(continueSavedGame(*third).kind, ContinueResult::Kind::Continued);
}

TEST_F(GameSaveTest, AKeptGameIsContinuedForItsPlayerOnly)
{
    ctx->data.SetPlayer(2, QStringLiteral("Ann"), false);
    start(QStringLiteral("Klondike"), kWinningNumber);
    playWinningGame(*ctx, 10);
    ASSERT_EQ(ctx->data.CurPlayer(), QStringLiteral("Player1"));
    ASSERT_EQ(writeSavedGame(*ctx), QString());
    const QByteArray kept = savedText();

    // Another player was chosen since: the game goes back to its player.
    ctx->data.SetCurPlayer(QStringLiteral("Ann"));
    auto next = nextRun();
    MemoryScores scores(next->data);
    next->setScoreRecorder(&scores);
    ASSERT_EQ(next->data.CurPlayer(), QStringLiteral("Ann"));
    const ContinueResult result = continueSavedGame(*next);
    ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << result.message.toStdString();
    EXPECT_EQ(next->data.CurPlayer(), QStringLiteral("Player1"));
    EXPECT_EQ(result.message, QStringLiteral("The saved game of Player1 was continued, so Player1 is now the current "
                                             "player."));
    EndGame(*next, 0);
    ASSERT_EQ(scores.entries.size(), 1u);
    EXPECT_EQ(scores.entries[0].player, QStringLiteral("Player1"));

    // Its player was removed since: it is set aside, and nobody takes it.
    writeFile(QStringLiteral("saved-game.cdvsave"), kept);
    next->data.SetPlayer(1, QStringLiteral("Ann"), true);
    next->data.SetPlayer(2, QString(), false);
    auto third = nextRun();
    const ContinueResult gone = continueSavedGame(*third);
    EXPECT_EQ(gone.kind, ContinueResult::Kind::SetAside);
    EXPECT_TRUE(gone.message.contains(QStringLiteral("its player \"Player1\" is no longer among the players")))
        << gone.message.toStdString();
    EXPECT_EQ(third->data.CurPlayer(), QStringLiteral("Ann"));
    EXPECT_EQ(third->phase, GamePhase::NoGame);
}

TEST_F(GameSaveTest, AFileOfTheSecondVersionIsContinuedUnlessItsGameFileIsNewer)
{
    writeFile(QStringLiteral("Mine.gam"), "0,0,0,4,13,7,1,1\r\n");
    ctx->custom.Init();
    const QString gamePath = dataDir() + QStringLiteral("Mine.gam");
    const QString keptPath = savedGamePath(ctx->data);
    for (const QString &game : {QStringLiteral("Klondike"), QStringLiteral("Mine")}) {
        start(game, 4711);
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(play(*ctx, QStringLiteral("stock")));
        // The file as the second version wrote it: no player, no record.
        QByteArray text = savedGameText(captureGame(*ctx));
        text.replace("CardovaSavedGame 3\n", "CardovaSavedGame 2\n");
        text.remove(text.indexOf("player "), text.indexOf("\nmove ") + 1 - text.indexOf("player "));
        const GameView view = viewOf(*ctx);
        for (const bool gameFileNewer : {false, true}) {
            writeFile(QStringLiteral("saved-game.cdvsave"), text);
            QFile gameFile(gamePath);
            ASSERT_TRUE(gameFile.open(QIODevice::ReadWrite));
            const QDateTime keptAt = QFileInfo(keptPath).lastModified();
            ASSERT_TRUE(gameFile.setFileTime(keptAt.addSecs(gameFileNewer ? 60 : -60),
                                             QFileDevice::FileModificationTime));
            gameFile.close();
            auto next = nextRun();
            const ContinueResult result = continueSavedGame(*next);
            // A standard game's rules never change.
            const bool refused = gameFileNewer && game == QStringLiteral("Mine");
            EXPECT_EQ(result.kind, refused ? ContinueResult::Kind::SetAside : ContinueResult::Kind::Continued)
                << game.toStdString() << ' ' << gameFileNewer << ' ' << result.message.toStdString();
            if (refused)
                EXPECT_TRUE(result.message.contains(QStringLiteral("may have been changed")));
            else
                EXPECT_EQ(viewOf(*next), view);
            QFile::remove(keptPath + QStringLiteral(".damaged"));
        }
    }
}
