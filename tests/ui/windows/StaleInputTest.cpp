// The filter that drops input queued while the window was busy, on a clock
// of the test's own: its stamps are the window system's, whose zero differs.
#include "ui/windows/StaleInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

using cardova::ui::StaleInput;

namespace {
// Counts the input events that get through the filter.
class Counter : public QObject {
public:
    int seen = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress)
            ++seen;
        return QObject::event(e);
    }
};

class StaleInputTest : public ::testing::Test {
protected:
    void SetUp() override { target.installEventFilter(&filter); }
    // A press stamped in the window system's clock; true when it got through.
    bool press(ulong stamp)
    {
        const int before = target.seen;
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        e.setTimestamp(stamp);
        QCoreApplication::sendEvent(&target, &e);
        return target.seen > before;
    }
    int64_t now = 50000; // ours
    StaleInput filter{nullptr, [this] { return now; }};
    Counter target;
};
} // namespace

TEST_F(StaleInputTest, InputStampedBeforeTheBusyTimeEndedIsDroppedAndLaterInputIsNot)
{
    EXPECT_TRUE(press(1000)); // seen at 50000: the clocks differ by 49000
    now = 50200;
    filter.dropQueuedUntilNow(); // up to 1200 in the window system's clock
    now = 50300;
    EXPECT_FALSE(press(1100));
    EXPECT_FALSE(press(1200));
    EXPECT_TRUE(press(1201));
    EXPECT_TRUE(press(0)) << "an event without a stamp was made by the program";
    // Later busy times move the cut-off on; earlier stamps stay dropped.
    now = 51000;
    filter.dropQueuedUntilNow();
    EXPECT_FALSE(press(1900));
    EXPECT_TRUE(press(2100));
}

TEST_F(StaleInputTest, ItLearnsTheClosestDifferenceAndNeverDropsLaterInput)
{
    EXPECT_TRUE(press(1000)); // delivered late: 49000 looks like the difference
    now = 50010;
    EXPECT_TRUE(press(1500)); // delivered sooner: the difference is at most 48510
    now = 50100;
    filter.dropQueuedUntilNow(); // 1590 in the window system's clock
    EXPECT_FALSE(press(1590));
    EXPECT_TRUE(press(1591));
}

TEST_F(StaleInputTest, NothingIsDroppedBeforeAnyStampWasSeenAndAStaleKeyFiresNoShortcut)
{
    filter.dropQueuedUntilNow();
    EXPECT_TRUE(press(10)) << "no difference known yet";
    now = 60000;
    filter.dropQueuedUntilNow(); // up to 9990
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    override.setTimestamp(9000);
    override.ignore();
    QCoreApplication::sendEvent(&target, &override);
    EXPECT_TRUE(override.isAccepted()) << "an accepted override keeps the shortcut from firing";
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    key.setTimestamp(9000);
    const int before = target.seen;
    QCoreApplication::sendEvent(&target, &key);
    EXPECT_EQ(target.seen, before);
}
