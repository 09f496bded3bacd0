// The counters and the solver's verdict: readable in a narrow window, up to
// date as soon as an action ends, and steady in place while they count.
#include "TableFixture.h"

#include "rules/GameRecord.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/CounterStrip.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

using namespace cardova;
using namespace cardova::test;

namespace {
const char *const kParts[] = {"scoreCounter", "timeCounter", "movesCounter", "solverStatus"};
const QString kLongestVerdict = QStringLiteral("Cannot be won from here");

class CountersTest : public TableFixture {
protected:
    QLabel *part(const char *name) { return window->findChild<QLabel *>(QLatin1String(name)); }
    // Lets the layouts follow new captions; nothing else runs meanwhile.
    static void settleLayouts()
    {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    }
    // Lays the window out at a width, with the longest verdict showing.
    void showAt(int width, int height)
    {
        window->resize(width, height);
        QCoreApplication::processEvents();
        counter("mSolver")->setText(kLongestVerdict);
        settleLayouts();
    }
    // Every counter and the verdict show whole inside the window, clear of
    // the menus, and no menu is pushed out of the menu bar. The window is
    // kept as a picture to look at.
    void expectAllReadable(const std::string &what)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        const QString file = QString::fromStdString(what).replace(QLatin1Char(' '), QLatin1Char('-'));
        EXPECT_TRUE(window->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/counters-%1.png").arg(file)));
        const QRect inWindow(window->mapToGlobal(QPoint(0, 0)), window->size());
        QMenuBar *bar = window->menuBar();
        QAction *help = window->findChild<QMenu *>(QStringLiteral("mHelp"))->menuAction();
        const int menusRight = bar->mapToGlobal(bar->actionGeometry(help).topRight()).x();
        for (const char *name : kParts) {
            QLabel *label = part(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_TRUE(label->isVisibleTo(window.get())) << what << " " << name;
            EXPECT_GE(label->width(), label->sizeHint().width()) << what << " " << name << " is clipped";
            const QRect shown(label->mapToGlobal(QPoint(0, 0)), label->size());
            EXPECT_TRUE(inWindow.contains(shown)) << what << " " << name << " lies outside the window";
            if (label->parentWidget() && label->parentWidget()->parentWidget() == bar) {
                EXPECT_GT(shown.left(), menusRight) << what << " " << name << " lies over the menus";
            }
        }
        EXPECT_EQ(part("movesCounter")->text(), counter("mMoves")->text());
        EXPECT_EQ(part("solverStatus")->text(), kLongestVerdict);
        const auto *overflow = bar->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        EXPECT_TRUE(!overflow || !overflow->isVisible()) << what << ": menus went into the overflow";
    }
};
} // namespace

TEST_F(CountersTest, EveryCounterAndTheVerdictAreReadableAt640Pixels)
{
    showAt(1920, 1080);
    expectAllReadable("Klondike at 1920");
    showAt(640, 480);
    expectAllReadable("Klondike at 640");
    // A designed game with nine piles, played for an hour and a half.
    GameRecord record;
    record.hPiles = 9;
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Nine Piles"), record).isEmpty());
    ctx->custom.Init();
    window->startGame(QStringLiteral("Nine Piles"), GameNumber::fromNumber(77));
    ASSERT_TRUE(ctx->GameRunning());
    const QDateTime start = ctx->data.GameStartTime;
    ctx->now = [start] { return start.addSecs(5400); };
    clickStock();
    window->RefreshCounters();
    showAt(640, 480);
    expectAllReadable("nine piles at 640");
    EXPECT_EQ(counter("mTime")->text(), "Time :1:30:00");
    // With room to spare everything stays in the menu bar.
    showAt(1920, 1080);
    expectAllReadable("nine piles at 1920");
    EXPECT_FALSE(window->statusBar()->isVisible());
}

TEST_F(CountersTest, CountersShowAnActionAsSoonAsItEnds)
{
    const int16_t dealt = ctx->trans->GetTransID();
    const QString before = QStringLiteral("Moves :%1").arg(dealt);
    const QString after = QStringLiteral("Moves :%1").arg(dealt + 1);
    ASSERT_EQ(counter("mMoves")->text(), before);
    clickStock();
    // No tick of the clock has come yet.
    EXPECT_EQ(counter("mMoves")->text(), after);
    EXPECT_EQ(part("movesCounter")->text(), after);
    // The score shown is the one the score store would record now: made of
    // the move count and the time it shows.
    EXPECT_EQ(ctx->data.CurMoves, dealt + 1);
    EXPECT_EQ(counter("mScore")->text(), QStringLiteral("Score :%1").arg(ctx->data.CurScore));
    EXPECT_EQ(ctx->data.CurScore, GetScore(*ctx));
    refresh();
    item("mGame", 1)->trigger(); // undo
    EXPECT_EQ(counter("mMoves")->text(), before);
}

TEST_F(CountersTest, CountersKeepTheirPlaceWhileTheirValuesChangeWidth)
{
    showAt(1100, 800);
    const auto places = [this] {
        std::vector<QRect> rects;
        for (const char *name : kParts)
            rects.push_back(QRect(part(name)->mapTo(window.get(), QPoint(0, 0)), part(name)->size()));
        return rects;
    };
    const auto before = places();
    const QString score = counter("mScore")->text();
    // Forty minutes on and nine moves later the score is negative, the
    // clock has a digit more to show, and the move count has two digits.
    const QDateTime start = ctx->data.GameStartTime;
    ctx->now = [start] { return start.addSecs(2400); };
    for (int i = 0; i < 10; ++i)
        clickStock();
    ASSERT_GE(ctx->trans->GetTransID(), 10);
    window->RefreshCounters();
    window->RefreshCounters();
    counter("mSolver")->setText(QStringLiteral("Winnable"));
    settleLayouts();
    ASSERT_NE(counter("mScore")->text(), score);
    ASSERT_TRUE(counter("mScore")->text().startsWith(QStringLiteral("Score :-")));
    ASSERT_EQ(counter("mMoves")->text().size(), QStringLiteral("Moves :10").size()); // two digits now
    const auto after = places();
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(after[i], before[i]) << kParts[i];
    // The verdict has a width of its own text, and stays beside the counters.
    EXPECT_EQ(after[3].right(), before[3].right());
}

TEST(CounterLayoutTest, TheVerdictLeavesTheMenuBarFirst)
{
    using ui::counterLayout;
    EXPECT_EQ(counterLayout(500, 300, 150), (ui::CounterLayout{true, true}));
    EXPECT_EQ(counterLayout(500, 300, 250), (ui::CounterLayout{true, false}));
    EXPECT_EQ(counterLayout(299, 300, 0), (ui::CounterLayout{false, false}));
    EXPECT_EQ(counterLayout(300, 300, 0), (ui::CounterLayout{true, true}));
}

TEST_F(CountersTest, TheCaptionShowsTheProductNameOnce)
{
    // Some platforms append the application's display name to every window
    // title once one is set; the captions carry the name themselves.
    const QString name = QCoreApplication::applicationName();
    const QString version = QCoreApplication::applicationVersion();
    ui::setUpApplication(QStringLiteral("1.0"));
    EXPECT_EQ(QCoreApplication::applicationName(), "Cardova");
    QGuiApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe") << "a display name is set";
    QGuiApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(version);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Cardova [Klondike] [Player1] [1]"));
}
