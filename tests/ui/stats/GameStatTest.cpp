#include "StatsFixture.h"

#include "scores/DateText.h"
#include "ui/stats/StatTexts.h"
#include "ui/stats/frmGameStat.h"

#include <QBarSet>
#include <QBarSeries>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace cardova;
using namespace cardova::test;

namespace {
class GameStatTest : public StatsFixture {
protected:
    // Appends lines to a player's score file.
    void record(const QString &player, const QStringList &lines)
    {
        QDir().mkpath(dataDir());
        QFile f(ctx->scores.scoreFilePath(player));
        ASSERT_TRUE(f.open(QIODevice::Append));
        for (const QString &l : lines)
            f.write((l + QStringLiteral("\r\n")).toUtf8());
    }
    QString line(const QDateTime &when, const char *game, int won, int score = 10, int moves = 20, int time = 30)
    {
        return QStringLiteral("\"%1\",\"%2\",1,%3,%4,%5,%6")
            .arg(dateTimeText(when), QLatin1String(game))
            .arg(time)
            .arg(moves)
            .arg(score)
            .arg(won);
    }
    static QStringList row(QTreeWidget *list, const QString &first)
    {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = list->topLevelItem(i);
            if (item->text(0) == first) {
                QStringList cells;
                for (int c = 0; c < item->columnCount(); ++c)
                    cells << item->text(c);
                return cells;
            }
        }
        return {};
    }
    static int bars(QChartView *view)
    {
        const auto series = view->chart()->series();
        if (series.isEmpty())
            return 0;
        const auto sets = static_cast<QBarSeries *>(series.first())->barSets();
        return sets.isEmpty() ? 0 : int(sets.first()->count());
    }
};
} // namespace

TEST_F(GameStatTest, NoRecordedGamesShowZeros)
{
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    auto *general = d.findChild<QListWidget *>(QStringLiteral("lvGeneral"));
    ASSERT_EQ(general->count(), 13);
    EXPECT_EQ(general->item(0)->text(), "Games Played : 0");
    EXPECT_EQ(general->item(5)->text(), "Total Time : 0:00:00");
    EXPECT_EQ(general->item(8)->text(), "Time Per Game : 0:00:00");
    EXPECT_EQ(general->item(9)->text(), "Games Per Hour : 0");
    EXPECT_EQ(general->item(12)->text(), "Winning Percentage : 0%");
}

TEST_F(GameStatTest, PercentagesByGameAndByPlayer)
{
    ctx->data.SetCurPlayer(QStringLiteral("Player1"));
    record(QStringLiteral("Player1"), {line(now.addDays(-1), "Lawn", 1, -50), line(now.addDays(-1), "Lawn", 0),
                                        line(now, "Lawn", 0)});
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    auto *games = d.findChild<QTreeWidget *>(QStringLiteral("lvGames"));
    EXPECT_EQ(row(games, "Lawn"),
              (QStringList{"Lawn", "3", "1", "2", "0:01:30", "60", "-30", "33.33%"}));
    EXPECT_EQ(row(games, "Klondike").last(), "0%");
    auto *players = d.findChild<QTreeWidget *>(QStringLiteral("lvPlayer"));
    EXPECT_EQ(row(players, "Player1").last(), "33%");
    // Day by day: five rows, the last one today.
    auto *dates = d.findChild<QTreeWidget *>(QStringLiteral("lvDate"));
    ASSERT_EQ(dates->topLevelItemCount(), 5);
    EXPECT_EQ(dates->topLevelItem(4)->text(1), "1");
    EXPECT_EQ(dates->topLevelItem(3)->text(1), "2");
    EXPECT_EQ(dates->topLevelItem(3)->text(2), "1");
    EXPECT_EQ(dates->topLevelItem(0)->text(1), "0");
    auto *period = d.findChild<QComboBox *>(QStringLiteral("imcDate"));
    ASSERT_EQ(period->count(), 6);
    d.showPeriod(5); // "Last 5 Years"
    EXPECT_EQ(dates->headerItem()->text(0), "Year");
    EXPECT_EQ(dates->topLevelItem(4)->text(1), "3");

    // Keep a picture of every tab, so a change that breaks drawing is seen.
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    auto *tabs = d.findChild<QTabWidget *>();
    d.show();
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        ASSERT_TRUE(d.grab().save(QStringLiteral(SCREENSHOT_DIR "/gamestat-%1.png").arg(t)));
    }
}

TEST_F(GameStatTest, AGameChartsItsFirstFiftyRecords)
{
    QStringList lines;
    for (int i = 0; i < 60; ++i)
        lines << line(now, "Klondike", i % 2);
    record(ctx->data.CurPlayer(), lines);
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    d.showGame(QStringLiteral("Klondike"));
    EXPECT_EQ(bars(d.findChild<QChartView *>(QStringLiteral("chGames1"))), 51); // row 0 stays empty
    EXPECT_EQ(bars(d.findChild<QChartView *>(QStringLiteral("chGen"))), 1);
}

TEST_F(GameStatTest, ClearingKeepsWhatIsShownAndClosingReleasesTheRecords)
{
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1)});
    {
        ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
        d.hooks.ask = [](const QString &) { return true; };
        d.hooks.inform = [](const QString &) {};
        EXPECT_EQ(ctx->scores.ScoreTop(), 1);
        d.findChild<QPushButton *>(QStringLiteral("cmdClear"))->click();
        EXPECT_FALSE(QFile::exists(ctx->scores.scoreFilePath(ctx->data.CurPlayer())));
        EXPECT_EQ(d.findChild<QListWidget *>(QStringLiteral("lvGeneral"))->item(0)->text(), "Games Played : 1");
        d.findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        EXPECT_EQ(ctx->scores.ScoreTop(), 0);
    }
}

TEST(StatTexts, DecimalsWithoutTrailingZeros)
{
    const QLocale en(QLocale::English), de(QLocale::German);
    EXPECT_EQ(ui::decimalText(33.33, en), "33.33");
    EXPECT_EQ(ui::decimalText(50.0, en), "50");
    EXPECT_EQ(ui::decimalText(12.5, de), "12,5");
    EXPECT_EQ(ui::percentText(1, 3, false, en), "33.33%");
    EXPECT_EQ(ui::percentText(1, 3, true, en), "33%");
    EXPECT_EQ(ui::percentText(2, 3, true, en), "67%");
    EXPECT_EQ(ui::percentText(0, 0, false, en), "0%");
}
