#include "WindowFixture.h"

#include "ui/stats/frmSesStat.h"
#include "ui/windows/WindowMemory.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <QScreen>

using namespace cardova;
using namespace cardova::test;

namespace {
class WindowMemoryTest : public WindowFixture {
protected:
    std::unique_ptr<ui::frmMain> nextWindow() { return std::make_unique<ui::frmMain>(*ctx, *art); }
    QRect screenRoom() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};
} // namespace

TEST_F(WindowMemoryTest, TheMainWindowComesBackWhereThePlayerLeftIt)
{
    window->show();
    window->setGeometry(QRect(40, 30, 640, 480));
    const QRect left = window->geometry();
    window->close();

    auto again = nextWindow();
    again->show();
    EXPECT_EQ(again->geometry(), left);
    // A later run of the program reads it from the settings file.
    auto reopened = reopen();
    EXPECT_FALSE(reopened->data.windowGeometry(QStringLiteral("frmMain")).isEmpty());
}

TEST_F(WindowMemoryTest, APlaceOffEveryScreenOpensCentredWithItsSize)
{
    window->show();
    window->setGeometry(QRect(40, 30, 500, 400));
    window->close();
    // The monitor it stood on is gone: its frame now lies far off.
    ctx->data.setWindowGeometry(QStringLiteral("frmMain"), ctx->data.windowGeometry(QStringLiteral("frmMain")),
                                QStringLiteral("5000 4000 500 400"));
    auto again = nextWindow();
    again->show();
    EXPECT_EQ(again->size(), QSize(500, 400));
    EXPECT_LE((again->geometry().center() - screenRoom().center()).manhattanLength(), 2);
    EXPECT_TRUE(ui::frameIsOnAScreen(again->frameGeometry()));
}

TEST_F(WindowMemoryTest, ADamagedEntryLeavesTheWindowAsItAlwaysOpened)
{
    const QRect first = nextWindow()->geometry();
    ctx->data.setWindowGeometry(QStringLiteral("frmMain"), QByteArray("not a geometry"), QStringLiteral("12 x"));
    EXPECT_EQ(nextWindow()->geometry(), first);
    ctx->data.setWindowGeometry(QStringLiteral("frmMain"), QByteArray("not a geometry"), QStringLiteral("1 2 300 200"));
    EXPECT_EQ(nextWindow()->geometry(), first); // bytes Qt cannot read change nothing
}

TEST_F(WindowMemoryTest, AResizedStatisticsWindowKeepsItsSize)
{
    QSize left;
    {
        ui::frmSesStat stats(*ctx, window.get());
        stats.show();
        stats.resize(stats.size() + QSize(37, 23));
        left = stats.size();
        stats.hide();
    }
    ui::frmSesStat again(*ctx, window.get());
    EXPECT_EQ(again.size(), left);
}

TEST_F(WindowMemoryTest, TheHistoryKeepsItsSize)
{
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1));
    window->show();
    // Opens the history from its menu item; `use` runs on it while it is up.
    const auto openHistory = [this](const std::function<void(QDialog &)> &use) {
        QTimer::singleShot(0, window.get(), [use] {
            auto *history = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(history, nullptr);
            ASSERT_EQ(history->objectName(), "frmHistory");
            use(*history);
            history->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        });
        item("mTools", 5)->trigger();
    };
    QSize first, left, again;
    openHistory([&](QDialog &history) {
        first = history.size();
        history.resize(history.size() + QSize(61, 47));
        left = history.size();
    });
    openHistory([&](QDialog &history) { again = history.size(); });
    ASSERT_NE(left, first);
    EXPECT_EQ(again, left);
}
