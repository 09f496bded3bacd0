// The main window's guards: the help window goes with it, the toolbar obeys
// only its setting, an empty recent entry starts nothing, and settings
// problems reach the player.
#include "WindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <functional>

using namespace cardova;
using namespace cardova::test;

namespace {

using MainWindowGuardsTest = WindowFixture;

QWidget *visibleWindowNamed(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Runs the event loop after `act`, and reports whether the program quit on
// its own before the loop had gone round `passes` times.
bool quitsAfter(const std::function<void()> &act, int passes)
{
    QObject guard; // ends the countdown with this call
    int left = passes;
    std::function<void()> countDown = [&] {
        if (--left <= 0)
            QCoreApplication::exit(1);
        else
            QTimer::singleShot(0, &guard, countDown);
    };
    QMetaObject::invokeMethod(&guard, [&] {
        act();
        QTimer::singleShot(0, &guard, countDown);
    }, Qt::QueuedConnection);
    return QApplication::exec() == 0;
}

TEST_F(MainWindowGuardsTest, ClosingTheMainWindowEndsTheProgramWhileHelpIsOpen)
{
    window->show();
    item("mHelp", 2)->trigger();
    ASSERT_NE(visibleWindowNamed(QStringLiteral("frmHelp")), nullptr);
    constexpr int kPasses = 200; // the program quits on the first pass or two
    EXPECT_TRUE(quitsAfter([this] { window->close(); }, kPasses));
}

TEST_F(MainWindowGuardsTest, TheToolbarFollowsOnlyItsSetting)
{
    window->show();
    auto *bar = window->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    ASSERT_NE(bar, nullptr);
    bar->toggleViewAction()->trigger();
    EXPECT_TRUE(bar->isVisible());

    // A right click on the toolbar or the menu bar opens no menu of Qt's own.
    for (QWidget *target : {static_cast<QWidget *>(bar), static_cast<QWidget *>(window.get())}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &click);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    if (std::unique_ptr<QMenu> menu{window->createPopupMenu()}) {
        for (QAction *action : menu->actions())
            EXPECT_FALSE(action->isVisible() && action->isEnabled()) << action->text().toStdString();
    }

    item("mGame", 9)->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(ctx->data.ShowToolbar(), 0);
}

TEST_F(MainWindowGuardsTest, AnEmptyRecentEntryStaysButStartsNothing)
{
    ctx->data.ClearRecent();
    window->RefreshRecent();
    QAction *first = item("mRecent", 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isEnabled());
    first->trigger();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ctx->GameRunning());

    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(3));
    window->RefreshRecent();
    EXPECT_TRUE(first->isEnabled());
}

TEST_F(MainWindowGuardsTest, ADamagedSettingsFileIsToldOnceWhenTheWindowOpens)
{
    window.reset();
    art.reset();
    ctx.reset();
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const char damaged[] = "[Users]\n1=Ann\n100=Ann\n\x00\x00\x00";
    file.write(damaged, sizeof(damaged) - 1);
    file.close();
    ctx = reopen();
    art = std::make_unique<ui::Appearance>(ctx->data); // it reads the settings of the context it was made for
    window = std::make_unique<ui::frmMain>(*ctx, *art);
    window->inform = [this](const QString &text) { messages << text; };
    EXPECT_TRUE(messages.isEmpty()) << "not from inside the constructor";
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("a copy of it was kept"))) << messages[0].toStdString();
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");
    window->startGame(QStringLiteral("Lawn"), GameNumber::fromNumber(3));
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.size(), 1);
}

} // namespace
