#include "WindowFixture.h"

#include "ui/stats/frmSesStat.h"
#include "ui/windows/WindowMemory.h"

#include <QApplication>
#include <QDialog>
#include <QDataStream>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <QMenuBar>
#include <QScreen>

using namespace cardova;
using namespace cardova::test;

namespace {
class WindowMemoryTest : public WindowFixture {
protected:
    std::unique_ptr<ui::frmMain> nextWindow() { return std::make_unique<ui::frmMain>(*ctx, *art); }
    QRect screenRoom() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // What the window shows of itself on the screen, and whether it is no
    // larger than the screen. Worked out in 64 bits: QRect's own operations
    // overflow at the far ends of int.
    void expectOnTheScreen(const QWidget &w, const std::string &what) const
    {
        const QRect room = screenRoom();
        const qint64 x = w.x();
        const qint64 y = w.y();
        const qint64 shownWidth = std::min<qint64>(x + w.width(), room.x() + room.width()) - std::max<qint64>(x, room.x());
        const qint64 shownHeight =
            std::min<qint64>(y + w.height(), room.y() + room.height()) - std::max<qint64>(y, room.y());
        EXPECT_GE(shownWidth, 48) << what << ": at " << x << ',' << y;
        EXPECT_GE(shownHeight, 48) << what << ": at " << x << ',' << y;
        EXPECT_LE(w.width(), room.width()) << what;
        EXPECT_LE(w.height(), room.height()) << what;
    }
};

// Geometry bytes laid out as QWidget::saveGeometry writes them (version 3),
// with rectangles of our choosing: a settings file edited or damaged.
QByteArray craftedGeometry(const QRect &frame, const QRect &normal, const QRect &geometry)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << frame << normal << qint32(0) << quint8(0) << quint8(0)
        << qint32(QGuiApplication::primaryScreen()->geometry().width()) << geometry;
    return bytes;
}
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

TEST_F(WindowMemoryTest, SavedBytesThatPlaceTheWindowOffTheScreenAreNotFollowed)
{
    constexpr int kLargest = 2147483647;
    constexpr int kLeast = -2147483647 - 1;
    const QRect huge(0, 0, kLargest, kLargest);
    const QRect farLeft(kLeast, 100, 640, 480);
    const QRect sane(40, 30, 640, 480);
    const struct {
        const char *what;
        QString frame;
        QRect geometry;
    } cases[] = {
        {"a window larger than any screen", QStringLiteral("40 30 640 480"), huge},
        {"a window far to the left", QStringLiteral("40 30 640 480"), farLeft},
        {"a frame larger than any screen", QStringLiteral("0 0 %1 %1").arg(kLargest), huge},
        {"a frame far to the left", QStringLiteral("%1 100 640 480").arg(kLeast), farLeft},
        {"a frame whose corner overflows", QStringLiteral("100 100 %1 %1").arg(kLargest), sane},
    };
    for (const auto &c : cases) {
        ctx->data.setWindowGeometry(QStringLiteral("frmMain"), craftedGeometry(c.geometry, c.geometry, c.geometry),
                                    c.frame);
        auto again = nextWindow();
        again->show();
        expectOnTheScreen(*again, c.what);
    }
}

TEST_F(WindowMemoryTest, AFirstStartOpensAtTheClassicSizeWithKlondikesCardsAtTheirDrawnSize)
{
    // Nothing remembered: the table fits the classic first client area.
    auto fitted = nextWindow();
    const int menu = fitted->menuBar()->sizeHint().height();
    EXPECT_EQ(fitted->size(), QSize(10095 / 15, 6555 / 15 + menu));
    EXPECT_LE((fitted->geometry().center() - screenRoom().center()).manhattanLength(), 2);
    fitted->show();
    fitted->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1));
    QCoreApplication::processEvents();
    EXPECT_NEAR(fitted->table()->zoom(), 1.0, 0.1) << "the cards stand at about their drawn size";

    // A table of fixed size cannot shrink into the window: it is shown
    // whole where the screen has room.
    ctx->data.setIntSetting(IntKey::FitTable, 0);
    auto fixed = nextWindow();
    EXPECT_GT(fixed->width(), fitted->width());
    EXPECT_GT(fixed->height(), fitted->height());
    EXPECT_TRUE(ui::frameIsOnAScreen(fixed->frameGeometry()));
}
