// "Winnable Deals Only" in the main window: the switch, the search behind
// New Game, and what the player is told; position budgets so every run
// decides alike.
#include "WindowFixture.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "ui/dialogs/frmChoose.h"
#include "ui/dialogs/frmSelect.h"
#include "ui/windows/AppWiring.h"
#include "ui/windows/WinnableDeals.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

namespace cardova::test {
namespace {

constexpr uint64_t kNodes = 20'000;
// Only guards against a search that never ends; no speed is measured.
constexpr int kHangGuardMs = 120'000;

class WinnableDealsTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        ctx->animate = false;
        WinnableSearchLimits limits;
        limits.perDeal = Budget::ofNodes(kNodes);
        limits.maxDeals = 40;
        deals().setLimits(limits);
        window->show();
    }
    ui::WinnableDeals &deals() { return window->winnableDeals(); }
    void waitForTheDeal()
    {
        const QDeadlineTimer guard(kHangGuardMs);
        while (deals().searching() && !guard.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        ASSERT_FALSE(deals().searching());
    }
    Verdict verdictOnTheTable()
    {
        const Rules rules = currentRules(*ctx);
        return solve(currentPosition(*ctx, rules), rules, true, Budget::ofNodes(kNodes)).verdict;
    }
    QString statusText() const
    {
        const QStatusBar *bar = window->findChild<QStatusBar *>(QStringLiteral("statusBar"));
        return bar && bar->isVisible() ? bar->currentMessage() : QString();
    }
};

TEST_F(WinnableDealsTest, TheSwitchIsInTheGameMenuAndKeptInTheSettings)
{
    QAction *item = this->item("mGame", 14);
    ASSERT_TRUE(item);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_EQ(ctx->data.WinnableOnly(), 1);
    EXPECT_TRUE(item->isChecked());
    cData again(settingsPath(), dataDir());
    EXPECT_EQ(again.WinnableOnly(), 1);

    QMenu *menu = window->findChild<QMenu *>(QStringLiteral("mGame"));
    ASSERT_TRUE(menu);
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    EXPECT_TRUE(menu->grab().save(QStringLiteral(SCREENSHOT_DIR "/winnable-deals-menu.png")));
    menu->hide();

    item->trigger();
    EXPECT_EQ(ctx->data.WinnableOnly(), 0);
    EXPECT_FALSE(item->isChecked());
}

TEST_F(WinnableDealsTest, NewGameDealsAProvenWinnableNumberUnderABusyCursor)
{
    ctx->data.setIntSetting(IntKey::WinnableOnly, 1);
    ctx->data.SetCurGName(QStringLiteral("Klondike Plus")); // where many deals are lost
    item("mFile", 1)->trigger();
    EXPECT_TRUE(deals().searching());
    ASSERT_TRUE(QGuiApplication::overrideCursor());
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    waitForTheDeal();
    EXPECT_FALSE(QGuiApplication::overrideCursor());
    ASSERT_EQ(ctx->phase, GamePhase::Playing);
    EXPECT_EQ(ctx->data.CurGName(), QStringLiteral("Klondike Plus"));
    EXPECT_EQ(verdictOnTheTable(), Verdict::Winnable);
    EXPECT_EQ(statusText(), QString());
}

// The game selection at start deals a random number too: the switch holds.
TEST_F(WinnableDealsTest, PlayInTheGameSelectionDealsAProvenWinnableNumber)
{
    ctx->data.setIntSetting(IntKey::WinnableOnly, 1);
    ctx->data.SetLastGName(QStringLiteral("Klondike Plus"));
    ui::showStartSelection(*window);
    auto *select = window->findChild<ui::frmSelect *>();
    ASSERT_TRUE(select);
    select->findChild<QPushButton *>(QStringLiteral("cmdPlay"))->click();
    EXPECT_TRUE(deals().searching());
    waitForTheDeal();
    ASSERT_EQ(ctx->phase, GamePhase::Playing);
    EXPECT_EQ(ctx->data.CurGName(), QStringLiteral("Klondike Plus"));
    EXPECT_EQ(verdictOnTheTable(), Verdict::Winnable);
}

TEST_F(WinnableDealsTest, WithoutAProvenWinTheLastNumberIsDealtAndTheStatusBarSaysSo)
{
    ctx->data.setIntSetting(IntKey::WinnableOnly, 1);
    WinnableSearchLimits hopeless;
    hopeless.perDeal = Budget::ofNodes(1); // nothing is ever proven
    hopeless.maxDeals = 3;
    deals().setLimits(hopeless);
    item("mFile", 1)->trigger();
    waitForTheDeal();
    ASSERT_EQ(ctx->phase, GamePhase::Playing);
    const QString said = statusText();
    EXPECT_TRUE(said.contains(QStringLiteral("No winnable deal was found"))) << said.toStdString();
    EXPECT_TRUE(said.contains(ctx->data.CurGNo().toText())) << said.toStdString();
    EXPECT_TRUE(messages.isEmpty());
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    EXPECT_TRUE(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/winnable-deals-none-found.png")));
}

TEST_F(WinnableDealsTest, ATypedNumberIsDealtAsItIsAndAnotherGameStopsTheSearch)
{
    ctx->data.setIntSetting(IntKey::WinnableOnly, 1);
    item("mFile", 1)->trigger();
    ASSERT_TRUE(deals().searching());
    // The choice comes in while the typed number is being dealt.
    deals().waitForTheChoice();
    ui::frmChoose choose(*ctx);
    choose.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("12"));
    choose.findChild<QPushButton *>(QStringLiteral("cmdSelect"))->click();
    // Dealt at once, and the search for New Game gives way to it.
    EXPECT_EQ(ctx->data.CurGNo().toText(), QStringLiteral("12"));
    EXPECT_FALSE(deals().searching());
    EXPECT_FALSE(QGuiApplication::overrideCursor());
    QCoreApplication::processEvents();
    EXPECT_EQ(ctx->data.CurGNo().toText(), QStringLiteral("12"));
}

} // namespace
} // namespace cardova::test
