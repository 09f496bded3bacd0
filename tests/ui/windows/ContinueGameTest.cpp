#include "WindowFixture.h"

#include "WinningDeal.h"
#include "cli/PlayActions.h"
#include "session/GameSave.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>

#include <QFile>
#include <QPointer>

using namespace cardova;
using namespace cardova::test;

namespace {
class ContinueGameTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        ctx->setScoreRecorder(&memoryScores());
        ctx->data.setIntSetting(IntKey::ContinueGame, 1);
        window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    }
    void TearDown() override
    {
        start.reset();
        again.reset(); // the window lets go of its context first
        nextScores.reset();
        next.reset();
        WindowFixture::TearDown();
    }
    // The next run: a window over a new context on the same files.
    void openNextWindow()
    {
        next = reopen();
        nextScores = std::make_unique<MemoryScores>(next->data);
        next->setScoreRecorder(nextScores.get());
        again = std::make_unique<ui::frmMain>(*next, *art);
        again->inform = [this](const QString &text) { messages << text; };
    }
    // The next run opened as the program opens, its messages caught
    // together with whether a splash was on the screen then.
    void startNextRun()
    {
        next = reopen();
        nextScores = std::make_unique<MemoryScores>(next->data);
        next->setScoreRecorder(nextScores.get());
        start = std::make_unique<ui::ProgramStart>(*next, *art);
        start->windowMade = [this](ui::frmMain &w) {
            w.inform = [this](const QString &text) {
                messages << text;
                splashUnderMessage = splashOnScreen();
            };
        };
        start->begin();
    }
    static bool splashOnScreen()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<ui::frmSplash *>(w) && w->isVisible())
                return true;
        return false;
    }
    std::unique_ptr<GameContext> next;
    std::unique_ptr<MemoryScores> nextScores;
    std::unique_ptr<ui::frmMain> again;
    std::unique_ptr<ui::ProgramStart> start;
    bool splashUnderMessage = false;
};
} // namespace

TEST_F(ContinueGameTest, ClosingKeepsTheGameAndTheNextWindowContinuesIt)
{
    const QStringList table = tableauText(*ctx);
    const int16_t pos = ctx->trans->TransPos;
    window->close();
    EXPECT_TRUE(memoryScores().entries.empty()); // not counted as lost
    ASSERT_TRUE(savedGameExists(ctx->data));

    openNextWindow();
    ASSERT_TRUE(again->continueSavedGame());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(next->GameRunning());
    EXPECT_EQ(next->data.CurGNo().toText(), QStringLiteral("4711"));
    EXPECT_EQ(next->trans->TransPos, pos);
    EXPECT_EQ(tableauText(*next), table);
    EXPECT_TRUE(again->windowTitle().contains(QStringLiteral("[4711]")));

    // Closed with the setting off, the continued game is counted, once.
    next->data.setIntSetting(IntKey::ContinueGame, 0);
    again->close();
    EXPECT_EQ(nextScores->entries.size(), 1u);
    EXPECT_FALSE(savedGameExists(next->data));
}

TEST_F(ContinueGameTest, WithTheSettingOffClosingCountsTheGameAsBefore)
{
    ctx->data.setIntSetting(IntKey::ContinueGame, 0);
    window->close();
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries[0].won, 0);
    EXPECT_FALSE(savedGameExists(ctx->data));
    EXPECT_FALSE(ctx->GameRunning());
}

TEST_F(ContinueGameTest, ADamagedKeptGameIsToldAboutAndTheSelectionOpens)
{
    window->close();
    QFile file(savedGamePath(ctx->data));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();

    openNextWindow();
    EXPECT_FALSE(again->continueSavedGame());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("cut short")));
    EXPECT_TRUE(QFile::exists(savedGamePath(ctx->data) + QStringLiteral(".damaged")));
    EXPECT_FALSE(next->GameRunning());
}

namespace {
// A finished-game dialog that has not opened yet.
class DialogNotYetOpen : public WinHandler {
public:
    void gameWon(GameContext &) override {}
};
} // namespace

TEST_F(ContinueGameTest, AWonGameWaitingForItsDialogIsCountedAsWonNotKept)
{
    window->setWinHandler(std::make_unique<DialogNotYetOpen>());
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(kWinningNumber));
    memoryScores().entries.clear(); // the game left for this one
    for (const QString &action : QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto parsed = parsePlayAction(action);
        ASSERT_TRUE(parsed && performPlayAction(*ctx, *parsed)) << action.toStdString();
    }
    ASSERT_EQ(ctx->phase, GamePhase::Finished);
    window->close();
    ASSERT_EQ(memoryScores().entries.size(), 1u);
    EXPECT_EQ(memoryScores().entries[0].won, 1);
    EXPECT_FALSE(savedGameExists(ctx->data));
}

TEST_F(ContinueGameTest, AKeptGameOpensAtOnceWithoutTheSplash)
{
    const QStringList table = tableauText(*ctx);
    window->close();
    startNextRun();
    EXPECT_FALSE(splashOnScreen());
    ASSERT_TRUE(start->mainWindow());
    EXPECT_TRUE(start->mainWindow()->isVisible());
    EXPECT_TRUE(next->GameRunning());
    EXPECT_EQ(tableauText(*next), table);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(ContinueGameTest, TheMessageAboutADamagedKeptGameHasNoSplashBehindIt)
{
    window->close();
    QFile file(savedGamePath(ctx->data));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    startNextRun();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("cut short")));
    EXPECT_FALSE(splashUnderMessage);
    EXPECT_FALSE(next->GameRunning());
}

TEST_F(ContinueGameTest, WithoutAKeptGameTheSplashComesFirstAndGoesBeforeTheMainWindowWorks)
{
    ctx->data.setIntSetting(IntKey::ContinueGame, 0);
    window->close(); // counted, nothing kept
    startNextRun();
    ASSERT_TRUE(start->splash());
    EXPECT_TRUE(splashOnScreen());
    EXPECT_FALSE(start->mainWindow());
    QPointer<QWidget> splash = start->splash();
    start->splash()->ContinueStart();
    EXPECT_FALSE(splashOnScreen());
    ASSERT_TRUE(start->mainWindow());
    EXPECT_TRUE(start->mainWindow()->isVisible());
    EXPECT_FALSE(next->GameRunning());
    // Gone, not only hidden: its window's memory goes back to the system.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(start->splash(), nullptr);
}

TEST_F(ContinueGameTest, ALaterStartBringsTheWindowBackFromTheTaskbar)
{
    window->close();
    startNextRun();
    ASSERT_TRUE(start->mainWindow());
    start->mainWindow()->showMinimized();
    ASSERT_TRUE(start->mainWindow()->isMinimized());
    start->bringToFront();
    EXPECT_FALSE(start->mainWindow()->isMinimized());
    EXPECT_TRUE(start->mainWindow()->isVisible());
}
