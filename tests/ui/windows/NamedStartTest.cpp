#include "WindowFixture.h"

#include "session/MoveDriver.h"
#include "session/GameSave.h"
#include "ui/dialogs/frmSelect.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/frmSplash.h"

#include <QApplication>
#include <QFile>

using namespace cardova;
using namespace cardova::test;

namespace {
// The program opened with a command line, over the fixture's files; the
// fixture's own window plays the run before it.
class NamedStartTest : public WindowFixture {
protected:
    void TearDown() override
    {
        start.reset(); // the window lets go of its context first
        nextScores.reset();
        next.reset();
        WindowFixture::TearDown();
    }
    void startWith(const QStringList &args)
    {
        next = reopen();
        nextScores = std::make_unique<MemoryScores>(next->data);
        next->setScoreRecorder(nextScores.get());
        next->data.setIntSetting(IntKey::WinnableOnly, 0);
        start = std::make_unique<ui::ProgramStart>(*next, *art);
        start->windowMade = [this](ui::frmMain &w) {
            w.inform = [this](const QString &text) { messages << text; };
        };
        start->setRequest(parseStartArguments(args));
        start->begin();
    }
    static bool shown(const char *className)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits(className) && w->isVisible())
                return true;
        return false;
    }
    std::unique_ptr<GameContext> next;
    std::unique_ptr<MemoryScores> nextScores;
    std::unique_ptr<ui::ProgramStart> start;
};
} // namespace

TEST_F(NamedStartTest, AClassicNotYetAddedIsAddedAndDealtWithTheNumber)
{
    startWith({QStringLiteral("FreeCell"), QStringLiteral("5")});
    ASSERT_NE(start->mainWindow(), nullptr); // at once, no splash first
    EXPECT_FALSE(shown("cardova::ui::frmSplash"));
    EXPECT_FALSE(shown("cardova::ui::frmSelect"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(next->GameRunning());
    EXPECT_EQ(next->data.CurGName(), QStringLiteral("FreeCell"));
    EXPECT_EQ(next->data.CurGNo().toText(), QStringLiteral("5"));
    EXPECT_TRUE(QFile::exists(dataDir() + QStringLiteral("FreeCell.gam")));
    EXPECT_TRUE(start->mainWindow()->windowTitle().contains(QStringLiteral("[FreeCell]")));
}

TEST_F(NamedStartTest, AGameWithoutANumberGetsARandomDeal)
{
    startWith({QStringLiteral("lawn")});
    EXPECT_TRUE(next->GameRunning());
    EXPECT_EQ(next->data.CurGName(), QStringLiteral("Lawn"));
    EXPECT_FALSE(shown("cardova::ui::frmSelect"));
}

TEST_F(NamedStartTest, AnUnknownNameOrBadNumberSaysSoAndOpensTheSelection)
{
    for (const QStringList &args : {QStringList{QStringLiteral("Nonesuch"), QStringLiteral("3")},
                                    QStringList{QStringLiteral("Klondike"), QStringLiteral("x7")}}) {
        messages.clear();
        startWith(args);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(args[0] == QStringLiteral("Nonesuch") ? QStringLiteral("\"Nonesuch\"")
                                                                               : QStringLiteral("\"x7\"")));
        EXPECT_FALSE(next->GameRunning());
        EXPECT_TRUE(shown("cardova::ui::frmSelect"));
        start.reset();
        EXPECT_FALSE(shown("cardova::ui::frmSelect"));
    }
}

TEST_F(NamedStartTest, AKeptGameIsRecordedWhenAnotherIsNamedAndKeptWhenTheNameIsNoGame)
{
    ctx->setScoreRecorder(&memoryScores());
    ctx->data.setIntSetting(IntKey::ContinueGame, 1);
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(4711));
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    window->close();
    ASSERT_TRUE(savedGameExists(ctx->data));

    // A name that is no game: the kept game is continued as at any start.
    startWith({QStringLiteral("Nonesuch")});
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(next->data.CurGNo().toText(), QStringLiteral("4711"));
    EXPECT_FALSE(shown("cardova::ui::frmSelect"));
    start->mainWindow()->close(); // kept again
    start.reset();
    ASSERT_TRUE(savedGameExists(ctx->data));
    EXPECT_TRUE(nextScores->entries.empty());

    // A game named replaces it as "New game" would: the kept game is counted.
    startWith({QStringLiteral("Lawn"), QStringLiteral("3")});
    EXPECT_EQ(next->data.CurGName(), QStringLiteral("Lawn"));
    EXPECT_EQ(next->data.CurGNo().toText(), QStringLiteral("3"));
    ASSERT_EQ(nextScores->entries.size(), 1u);
    EXPECT_EQ(nextScores->entries[0].game, QStringLiteral("Klondike"));
    EXPECT_EQ(nextScores->entries[0].number, QStringLiteral("4711"));
    EXPECT_EQ(nextScores->entries[0].won, 0);
}
