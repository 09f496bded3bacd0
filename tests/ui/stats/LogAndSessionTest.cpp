#include "StatsFixture.h"

#include "scores/DateText.h"
#include "session/Lifecycle.h"
#include "ui/stats/frmLogStat.h"
#include "ui/stats/frmSesStat.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>

using namespace cardova;
using namespace cardova::test;

namespace {
class LogAndSessionTest : public StatsFixture {
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        ctx->setScoreRecorder(nullptr);
        ctx->data.SesStartTime = now;
    }
    void record(const QString &player, const QDateTime &when, const char *game)
    {
        QDir().mkpath(dataDir());
        QFile f(ctx->scores.scoreFilePath(player));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QStringLiteral("\"%1\",\"%2\",7,60,20,100,1\r\n").arg(dateTimeText(when), QLatin1String(game)).toUtf8());
    }
    static QStringList column(QTreeWidget *list, int c)
    {
        QStringList cells;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            cells << list->topLevelItem(i)->text(c);
        return cells;
    }
};
} // namespace

TEST_F(LogAndSessionTest, TheLogFiltersByPeriodGameAndPlayer)
{
    ctx->data.SetPlayer(2, QStringLiteral("Bob"), false);
    const QString me = ctx->data.CurPlayer();
    record(me, now.addDays(1), "Lawn");        // tomorrow
    record(me, now, "Klondike");               // today
    record(me, now.addDays(-3), "Klondike");   // three days back
    record(QStringLiteral("Bob"), now.addDays(-4), "Lawn");
    record(QStringLiteral("Bob"), now.addMonths(-3), "Lawn");
    record(QStringLiteral("Bob"), now.addMonths(-4), "Klondike");
    ui::frmLogStat d(*ctx, nullptr, QLocale(QLocale::English));
    auto *log = d.findChild<QTreeWidget *>(QStringLiteral("lvLog"));
    auto *period = d.findChild<QComboBox *>(QStringLiteral("imcDate"));
    auto *games = d.findChild<QComboBox *>(QStringLiteral("imcGames"));
    auto *players = d.findChild<QComboBox *>(QStringLiteral("imcPlayer"));
    EXPECT_EQ(period->currentText(), "Show All");
    EXPECT_EQ(log->topLevelItemCount(), 6);
    period->setCurrentIndex(0); // "Show Today": nothing dated tomorrow
    EXPECT_EQ(column(log, 2), QStringList{"Klondike"});
    period->setCurrentIndex(1); // "Last 3 Days": today and the three days before
    EXPECT_EQ(log->topLevelItemCount(), 2);
    period->setCurrentIndex(4); // "Last 3 Months"
    EXPECT_EQ(log->topLevelItemCount(), 4);
    players->setCurrentText(QStringLiteral("Bob"));
    EXPECT_EQ(column(log, 1), (QStringList{"Bob", "Bob"}));
    games->setCurrentText(QStringLiteral("Klondike"));
    EXPECT_EQ(log->topLevelItemCount(), 0);
    period->setCurrentIndex(6);
    ASSERT_EQ(log->topLevelItemCount(), 1);
    EXPECT_EQ(log->topLevelItem(0)->text(6), "Won");
    EXPECT_EQ(log->topLevelItem(0)->text(7), "7");
    period->setCurrentIndex(6);
    players->setCurrentIndex(0);
    games->setCurrentIndex(0);
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    d.show();
    ASSERT_TRUE(d.grab().save(QStringLiteral(SCREENSHOT_DIR "/logstat.png")));
    d.accept();
    EXPECT_EQ(ctx->scores.ScoreTop(), 0); // closing releases the records
}

TEST_F(LogAndSessionTest, TheLogNamesScoreFilesThatCannotBeRead)
{
    ctx->data.SetPlayer(2, QStringLiteral("Bob"), false);
    record(ctx->data.CurPlayer(), now, "Klondike");
    ASSERT_TRUE(QDir().mkpath(ctx->scores.scoreFilePath(QStringLiteral("Bob"))));
    ui::frmLogStat d(*ctx, nullptr, QLocale(QLocale::English));
    auto *note = d.findChild<QLabel *>(QStringLiteral("lblUnreadable"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisibleTo(&d));
    EXPECT_TRUE(note->text().contains("Bob.sre")) << note->text().toStdString();
    EXPECT_EQ(d.findChild<QTreeWidget *>(QStringLiteral("lvLog"))->topLevelItemCount(), 1);
}

TEST_F(LogAndSessionTest, TheSessionShowsTheRunningGameApart)
{
    start(QStringLiteral("Klondike"), 5);
    start(QStringLiteral("Lawn"), 6); // the first one ends, not won
    now = now.addSecs(65);
    UpdateCounters(*ctx);
    ui::frmSesStat d(*ctx);
    d.Timer1.stop();
    EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("lblSesPlayed"))->text(), "Games Played : 1");
    EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("lblSesLost"))->text(), "Games Lost : 1");
    auto *session = d.findChild<QTreeWidget *>(QStringLiteral("lvSession"));
    ASSERT_EQ(session->topLevelItemCount(), 2);
    QTreeWidgetItem *running = session->topLevelItem(1);
    EXPECT_EQ(running->text(0), "Lawn");
    EXPECT_EQ(running->text(5), "Running");
    EXPECT_EQ(running->foreground(0).color(), QColor(120, 0, 0));
    EXPECT_EQ(running->text(3), "0:01:05");
    now = now.addSecs(10);
    UpdateCounters(*ctx);
    d.tick();
    EXPECT_EQ(running->text(3), "0:01:15");
    EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("lblSesElapsedTime"))->text(), "Time Elapsed : 0:01:15");
    auto *chart = d.findChild<QTreeWidget *>(QStringLiteral("lvSesChart"));
    ASSERT_EQ(chart->topLevelItemCount(), 2);
    EXPECT_EQ(chart->topLevelItem(1)->text(0), "2");
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    d.show();
    ASSERT_TRUE(d.grab().save(QStringLiteral(SCREENSHOT_DIR "/sesstat.png")));
}
