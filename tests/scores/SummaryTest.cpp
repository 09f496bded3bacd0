// Totals over the loaded records, periods, and the record accessors.
#include "ScoreTestSupport.h"

#include "scores/DateText.h"
#include "scores/Summaries.h"
#include "scores/cScore.h"

using namespace cardova;
using namespace cardova::test;

namespace {
void expectSum(const StatSum &s, int32_t played, int32_t won, int32_t score, int32_t moves, int32_t time)
{
    EXPECT_EQ(s.Played, played);
    EXPECT_EQ(s.Won, won);
    EXPECT_EQ(s.Lost, played - won);
    EXPECT_EQ(s.Score, score);
    EXPECT_EQ(s.Moves, moves);
    EXPECT_EQ(s.Time, time);
}
} // namespace

TEST(SummaryTest, SumsCountOnlyWonEqualToOneAndCompareNamesExactly)
{
    // makeRec(game, player, score, time, moves, won)
    const std::vector<ScoreRec> list = {
        makeRec("K", "Ann", 10, 100, 20, 1), makeRec("K", "Bob", -5, 50, 10, 0),
        makeRec("L", "Ann", 7, 30, 5, 2), makeRec("k", "ann", 1, 1, 1, 1),
    };
    expectSum(sumAll(list), 4, 2, 13, 36, 181);
    expectSum(sumGame(list, "K"), 2, 1, 5, 30, 150);
    expectSum(sumPlayer(list, "Ann"), 2, 1, 17, 25, 130);
    expectSum(sumPlayer(list, "Nobody"), 0, 0, 0, 0, 0);
    expectSum(sumAll({}), 0, 0, 0, 0, 0);
}

TEST(SummaryTest, SumsSaturateInsteadOfWrapping)
{
    std::vector<ScoreRec> list(3, makeRec("K", "Ann", 2000000000, 2000000000, -2000000000));
    const StatSum s = sumAll(list);
    EXPECT_EQ(s.Score, 2147483647);
    EXPECT_EQ(s.Time, 2147483647);
    EXPECT_EQ(s.Moves, -2147483647 - 1);
}

TEST(SummaryTest, PeriodsFollowCalendarDaysMonthsAndYears)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    std::vector<ScoreRec> list = {
        makeRec("K", "A", 1, 10, 1, 1, "2025-12-31 23:59:59"), makeRec("K", "A", 2, 20, 1, 0, "2026-01-01 00:00:00"),
        makeRec("K", "A", 4, 40, 1, 1, "2026-01-31 23:59:00"), makeRec("K", "A", 8, 80, 1, 1, "2026-02-01 00:01:00"),
        makeRec("K", "A", 16, 160, 1, 1, "not a date"), makeRec("K", "A", 32, 320, 1, 1, "2026-01-15T10:00:00"),
    };
    // Half of the records carry the day found when they were read, half not.
    for (size_t i = 0; i < list.size(); i += 2)
        list[i].day = dayFromText(list[i].Date);
    const auto scoreOf = [&](const char *date, const char *interval) {
        return sumPeriod(list, date, interval, english).Score;
    };
    EXPECT_EQ(scoreOf("2025-12-31 10:00:00", "d"), 1);
    EXPECT_EQ(scoreOf("2026-01-01", "d"), 2);
    EXPECT_EQ(scoreOf("2026-01-31 00:00:00", "d"), 4);
    EXPECT_EQ(scoreOf("2026-02-01 23:59:59", "d"), 8);
    EXPECT_EQ(scoreOf("2026-01-20 12:00:00", "m"), 2 + 4 + 32);
    EXPECT_EQ(scoreOf("2026-02-28 12:00:00", "m"), 8);
    EXPECT_EQ(scoreOf("2026-07-01 12:00:00", "yyyy"), 2 + 4 + 8 + 32);
    EXPECT_EQ(scoreOf("2025-01-01 00:00:00", "yyyy"), 1);

    const PeriodSum day = sumPeriod(list, "2026-01-01 08:00:00", "d", english);
    EXPECT_EQ(day.Label, "Jan 01");
    EXPECT_EQ(day.Played, 1);
    EXPECT_EQ(day.Won, 0);
    EXPECT_EQ(day.Lost, 1);
    EXPECT_EQ(day.Time, 20);
    EXPECT_EQ(sumPeriod(list, "2026-01-01 08:00:00", "m", english).Label, "Jan 26");
    EXPECT_EQ(sumPeriod(list, "2026-01-01 08:00:00", "yyyy", english).Label, "2026");
    const PeriodSum bad = sumPeriod(list, "yesterday", "d", english);
    EXPECT_EQ(bad.Played, 0);
    EXPECT_TRUE(bad.Label.isEmpty());
    EXPECT_EQ(sumPeriod(list, "2026-01-01", "w", english).Played, 0);
}

// Score files of older versions hold the system's short date and time.
TEST(DateTextTest, ShortDatesOfTheLocaleReadAsTheDayTheyName)
{
    const QLocale before;
    const auto day = [](int y, int m, int d) { return int32_t(QDate(y, m, d).toJulianDay()); };
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // M/d/yy
    EXPECT_EQ(dayFromText(QStringLiteral("3/1/26 12:00:00 PM")), day(2026, 3, 1));
    EXPECT_EQ(dayFromText(QStringLiteral("12/31/99 11:59:59 PM")), day(1999, 12, 31));
    EXPECT_EQ(dayFromText(QStringLiteral("3/1/2026")), day(2026, 3, 1));
    EXPECT_EQ(dateTimeFromText(QStringLiteral("3/1/26 1:30:00 PM")), QDateTime(QDate(2026, 3, 1), QTime(13, 30)));
    EXPECT_EQ(dayFromText(QStringLiteral("2026-03-01 08:00:00")), day(2026, 3, 1));
    for (const char *bad : {"13/45/26 1:00 PM", "3/1/260", "3//1/26", "3/1", "31326", "", "3/1/2 4:00"})
        EXPECT_EQ(dayFromText(QString::fromLatin1(bad)), ScoreRec::kNoDate) << bad;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // dd.MM.yy
    EXPECT_EQ(dayFromText(QStringLiteral("01.03.26 12:00:00")), day(2026, 3, 1));
    EXPECT_EQ(dateTimeFromText(QStringLiteral("01.03.26 12:00:00")).date(), QDate(2026, 3, 1));
    QLocale::setDefault(before);
}

class AccessorTest : public ScoreFixture {};

TEST_F(AccessorTest, GetGameRecWalksOneGameInOrderFromAnyStart)
{
    writeScores(QStringLiteral("Player1"),
                line("\"2026-03-01 12:00:00\",\"K\",1,1,1,1,1") + line("\"2026-03-01 12:00:00\",\"L\",2,1,1,1,1") +
                    line("\"2026-03-01 12:00:00\",\"K\",3,1,1,1,1") + line("\"2026-03-01 12:00:00\",\"K\",4,1,1,1,1"));
    cScore &s = ctx->scores;
    s.OpenAllScore();
    ASSERT_EQ(s.ScoreTop(), 4);
    const auto numberOf = [&](const char *game, int n) { return s.GetGameRec(game, n).GNo.toText(); };
    EXPECT_EQ(numberOf("K", 1), "1");
    EXPECT_EQ(numberOf("K", 2), "3");
    EXPECT_EQ(numberOf("K", 3), "4");
    EXPECT_EQ(numberOf("L", 1), "2");
    EXPECT_EQ(numberOf("K", 3), "4");
    EXPECT_EQ(numberOf("K", 1), "1"); // going back starts over
    EXPECT_EQ(numberOf("K", 4), "0");
    EXPECT_TRUE(s.GetGameRec("K", 4).GName.isEmpty());
    EXPECT_TRUE(s.GetGameRec("K", 0).GName.isEmpty());
    EXPECT_TRUE(s.GetGameRec("X", 1).GName.isEmpty());
    EXPECT_TRUE(s.GetScoreRec(0).GName.isEmpty());
    EXPECT_TRUE(s.GetScoreRec(5).GName.isEmpty());
    EXPECT_TRUE(s.GetTopRec(21).GName.isEmpty());
    // A reload must not reuse a position into the old list.
    EXPECT_EQ(numberOf("K", 2), "3");
    s.CloseScore();
    writeScores(QStringLiteral("Player1"), line("\"2026-03-01 12:00:00\",\"K\",9,1,1,1,1"));
    s.OpenAllScore();
    EXPECT_EQ(numberOf("K", 1), "9");
    EXPECT_TRUE(s.GetGameRec("K", 2).GName.isEmpty());
}

TEST_F(AccessorTest, SessionSumCoversTheGamesOfThisRun)
{
    cScore &s = ctx->scores;
    expectSum(s.SumSession(), 0, 0, 0, 0, 0);
    ctx->data.SetCurGName(QStringLiteral("Klondike"));
    ctx->data.CurScore = 40;
    ctx->data.CurMoves = 12;
    ctx->data.CurTime = 100;
    s.AddSesGame(1);
    ctx->data.CurScore = -8;
    s.AddSesGame(0);
    EXPECT_EQ(s.SesTop(), 2);
    expectSum(s.SumSession(), 2, 1, 32, 24, 200);
    // Loading and clearing the score files leaves the session log alone.
    s.OpenAllScore();
    s.CloseScore();
    EXPECT_EQ(s.SesTop(), 2);
}
