// One running copy per account, tried with two copies in one process: the
// lock file and the request to come to the front work the same between
// processes.
#include "ui/windows/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cardova;

namespace {
class SingleInstanceTest : public ::testing::Test {
protected:
    QString appDir() const { return dir.path() + QStringLiteral("/Cardova/"); }
    QTemporaryDir dir;
};
} // namespace

TEST_F(SingleInstanceTest, ALaterStartMayNotRunAndBringsTheRunningCopyToTheFront)
{
    ui::SingleInstance running(appDir());
    ASSERT_TRUE(running.claim());
    int asked = 0;
    QObject::connect(&running, &ui::SingleInstance::showRequested, [&asked] { ++asked; });

    ui::SingleInstance later(appDir());
    EXPECT_FALSE(later.claim());
    EXPECT_TRUE(later.askRunningToShow(5000));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(appDir() + QStringLiteral("cardova.show"))); // taken and removed
    // Asked again, it answers again.
    ui::SingleInstance third(appDir());
    EXPECT_FALSE(third.claim());
    EXPECT_TRUE(third.askRunningToShow(5000));
    EXPECT_EQ(asked, 2);
}

TEST_F(SingleInstanceTest, TheLockGoesWithTheCopyThatHeldIt)
{
    {
        ui::SingleInstance first(appDir());
        ASSERT_TRUE(first.claim());
    }
    ui::SingleInstance next(appDir());
    EXPECT_TRUE(next.claim());
}

TEST_F(SingleInstanceTest, ALockLeftByACopyThatIsGoneDoesNotStopTheNextStart)
{
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 pid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    ASSERT_TRUE(QDir().mkpath(appDir()));
    QFile lock(appDir() + QStringLiteral("cardova.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\ncardova\n\n");
    lock.close();
    ui::SingleInstance next(appDir());
    EXPECT_TRUE(next.claim());
}

TEST_F(SingleInstanceTest, ARequestThatNoRunningCopyTakesIsTakenBack)
{
    // A copy that holds the lock but does not answer (one stuck): the later
    // start says so itself rather than wait for ever.
    ASSERT_TRUE(QDir().mkpath(appDir()));
    QLockFile stuck(appDir() + QStringLiteral("cardova.lock"));
    ASSERT_TRUE(stuck.tryLock(0));
    ui::SingleInstance later(appDir());
    EXPECT_FALSE(later.claim());
    EXPECT_FALSE(later.askRunningToShow(200));
    EXPECT_FALSE(QFile::exists(appDir() + QStringLiteral("cardova.show")));
}
