#include "StatsFixture.h"
#include "ui/WindowTestTools.h"

#include "scores/DateText.h"
#include "ui/stats/StatTexts.h"
#include "ui/stats/frmGameStat.h"

#include <QBarSet>
#include <QBarSeries>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
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

TEST_F(GameStatTest, ClearingRefreshesTheFiguresAndClosingReleasesTheRecords)
{
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1)});
    {
        ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
        d.hooks.ask = [](const QString &) { return true; };
        d.hooks.inform = [](const QString &) {};
        EXPECT_EQ(ctx->scores.ScoreTop(), 1);
        auto *general = d.findChild<QListWidget *>(QStringLiteral("lvGeneral"));
        EXPECT_EQ(general->item(0)->text(), "Games Played : 1");
        d.findChild<QPushButton *>(QStringLiteral("cmdClear"))->click();
        EXPECT_FALSE(QFile::exists(ctx->scores.scoreFilePath(ctx->data.CurPlayer())));
        ASSERT_EQ(general->count(), 13);
        EXPECT_EQ(general->item(0)->text(), "Games Played : 0");
        EXPECT_EQ(row(d.findChild<QTreeWidget *>(QStringLiteral("lvGames")), "Klondike").at(1), "0");
        EXPECT_EQ(bars(d.findChild<QChartView *>(QStringLiteral("chGames1"))), 1); // only the empty row 0
        d.findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        EXPECT_EQ(ctx->scores.ScoreTop(), 0);
    }
}

TEST_F(GameStatTest, EnterAfterOpeningClearsNothingAndTheQuestionDefaultsToNo)
{
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1)});
    const QString file = ctx->scores.scoreFilePath(ctx->data.CurPlayer());
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    const auto realAsk = d.hooks.ask;
    QStringList asked;
    d.hooks.ask = [&](const QString &q) {
        asked << q;
        return false;
    };
    d.show();
    QCoreApplication::processEvents();
    auto *clear = d.findChild<QPushButton *>(QStringLiteral("cmdClear"));
    EXPECT_FALSE(clear->hasFocus() || d.focusWidget() == clear);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(d.focusWidget() ? d.focusWidget() : &d, &enter);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(QFile::exists(file));

    // The question as the player meets it: a second Enter answers No.
    d.hooks.ask = realAsk;
    d.show();
    {
        EnterOnNextBox answer;
        clear->click();
        EXPECT_TRUE(answer.answered.contains("clear the Statistics")) << answer.answered.toStdString();
    }
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(d.findChild<QListWidget *>(QStringLiteral("lvGeneral"))->item(0)->text(), "Games Played : 1");
}

TEST_F(GameStatTest, ExportingKeepsTheRecordsTheWindowDrawsOn)
{
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1), line(now, "Klondike", 0), line(now, "Lawn", 1)});
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    QStringList messages;
    const QString target = dataDir() + QStringLiteral("board\x1b[2J.txt");
    d.hooks.chooseExportFile = [&] { return target; };
    d.hooks.inform = [&](const QString &m) { messages << m; };
    d.findChild<QPushButton *>(QStringLiteral("cmdExport"))->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Statistics Successfully Exported to ")) << messages[0].toStdString();
    EXPECT_TRUE(QFile::exists(target));
    // The file name's control character is shown, not acted on.
    EXPECT_TRUE(messages[0].contains("board\\x1B[2J.txt")) << messages[0].toStdString();
    EXPECT_FALSE(messages[0].contains(QChar(0x1b)));

    EXPECT_EQ(ctx->scores.ScoreTop(), 3);
    d.showGame(QStringLiteral("Klondike"));
    const auto *won = static_cast<QBarSeries *>(
        d.findChild<QChartView *>(QStringLiteral("chGames"))->chart()->series().first())->barSets().first();
    EXPECT_EQ(won->at(0), 1);
    EXPECT_EQ(bars(d.findChild<QChartView *>(QStringLiteral("chGames1"))), 3);
    d.showPlayer(ctx->data.CurPlayer());
    EXPECT_EQ(static_cast<QBarSeries *>(d.findChild<QChartView *>(QStringLiteral("chPlayer"))->chart()->series().first())
                  ->barSets().first()->at(0),
              2);
}

TEST_F(GameStatTest, ScoreFilesThatCannotBeReadAreNamed)
{
    ctx->data.SetPlayer(2, QStringLiteral("Bob"), false);
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1)});
    // A folder where Bob's score file belongs cannot be read, by root either.
    ASSERT_TRUE(QDir().mkpath(ctx->scores.scoreFilePath(QStringLiteral("Bob"))));
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    auto *note = d.findChild<QLabel *>(QStringLiteral("lblUnreadable"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisibleTo(&d));
    EXPECT_TRUE(note->text().contains("Bob.sre")) << note->text().toStdString();
    QStringList messages;
    d.hooks.chooseExportFile = [&]() -> QString { return dataDir() + QStringLiteral("board.txt"); };
    d.hooks.inform = [&](const QString &m) { messages << m; };
    d.findChild<QPushButton *>(QStringLiteral("cmdExport"))->click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Bob.sre")) << messages[0].toStdString();
    d.show();
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    ASSERT_TRUE(d.grab().save(QStringLiteral(SCREENSHOT_DIR "/gamestat-unreadable.png")));

    // When every file reads, the note stays away.
    ASSERT_TRUE(QDir(ctx->scores.scoreFilePath(QStringLiteral("Bob"))).removeRecursively());
    ui::frmGameStat fine(*ctx, nullptr, QLocale(QLocale::English));
    EXPECT_FALSE(fine.findChild<QLabel *>(QStringLiteral("lblUnreadable"))->isVisibleTo(&fine));
}

TEST_F(GameStatTest, RedrawingAChartReusesItsAxesAndSeries)
{
    record(ctx->data.CurPlayer(), {line(now, "Klondike", 1), line(now, "Lawn", 0)});
    ui::frmGameStat d(*ctx, nullptr, QLocale(QLocale::English));
    QChart *chart = d.findChild<QChartView *>(QStringLiteral("chGames1"))->chart();
    QList<QPointer<QObject>> earlier;
    for (int i = 0; i < 20; ++i) {
        for (QAbstractAxis *axis : chart->axes())
            earlier << axis;
        for (QAbstractSeries *series : chart->series())
            earlier << series;
        d.showGame(QString::fromLatin1(i % 2 ? "Klondike" : "Lawn"));
    }
    EXPECT_EQ(chart->axes().size(), 2);
    EXPECT_EQ(chart->series().size(), 1);
    // Every axis and series ever shown is either still in use or gone.
    for (const QPointer<QObject> &o : earlier)
        EXPECT_TRUE(!o || chart->axes().contains(o.data()) || chart->series().contains(o.data()));
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
