// The ranking table: by score, and the finished games by time or moves.
#include "ScoreTestSupport.h"

#include "scores/Rankings.h"

using namespace cardova;
using namespace cardova::test;

namespace {
// Scores of the filled slots, slot 1 first.
std::vector<int32_t> scoresOf(const TopTable &top, int filled)
{
    std::vector<int32_t> out;
    for (int p = 1; p <= filled; ++p)
        out.push_back(top[size_t(p)].Score);
    return out;
}
} // namespace

TEST(RankingTest, SortRanksPositiveScoresHighestFirstAndLaterTiesAbove)
{
    std::vector<ScoreRec> list = {
        makeRec("K", "Ann", 50), makeRec("K", "Ann", 0), makeRec("K", "Ann", -5),
        makeRec("K", "Bob", 80), makeRec("K", "Bob", 50, 60, 30, 0), makeRec("L", "Ann", 10),
    };
    list[0].Date = QStringLiteral("first");
    TopTable top;
    const int filled = rankByScore(list, QString(), QString(), 0, top);
    ASSERT_EQ(filled, 4);
    EXPECT_EQ(scoresOf(top, filled), (std::vector<int32_t>{80, 50, 50, 10}));
    EXPECT_EQ(top[2].Player, "Bob"); // the later of the two 50s
    EXPECT_EQ(top[3].Date, "first");
    for (int p = 0; p <= kTopSlots; ++p) {
        if (p == 0 || p > filled) {
            EXPECT_TRUE(top[size_t(p)].GName.isEmpty() && top[size_t(p)].Score == 0) << p;
        }
    }
}

TEST(RankingTest, SortFiltersByWonGameAndPlayer)
{
    const std::vector<ScoreRec> list = {
        makeRec("K", "Ann", 50, 1, 1, 0), makeRec("K", "Ann", 40), makeRec("L", "Ann", 90),
        makeRec("K", "Bob", 70), makeRec("K", "ann", 99),
    };
    TopTable top;
    EXPECT_EQ(scoresOf(top, rankByScore(list, QString(), QString(), 1, top)),
              (std::vector<int32_t>{99, 90, 70, 40}));
    EXPECT_EQ(scoresOf(top, rankByScore(list, "K", QString(), 0, top)),
              (std::vector<int32_t>{99, 70, 50, 40}));
    EXPECT_EQ(scoresOf(top, rankByScore(list, "K", "Ann", 0, top)), (std::vector<int32_t>{50, 40}));
    EXPECT_EQ(scoresOf(top, rankByScore(list, QString(), "Ann", 1, top)), (std::vector<int32_t>{90, 40}));
    EXPECT_EQ(rankByScore(list, "k", QString(), 0, top), 0);
}

TEST(RankingTest, OnlyTheBestTwentyRemainAndAResortStartsOver)
{
    std::vector<ScoreRec> list;
    for (int i = 1; i <= 45; ++i)
        list.push_back(makeRec("K", "Ann", (i * 17) % 46 + 1)); // 45 different scores, mixed order
    TopTable top;
    const int filled = rankByScore(list, QString(), QString(), 0, top);
    ASSERT_EQ(filled, 20);
    std::vector<int32_t> expected;
    for (int s = 46; expected.size() < 20; --s)
        if (std::any_of(list.begin(), list.end(), [s](const ScoreRec &r) { return r.Score == s; }))
            expected.push_back(s);
    EXPECT_EQ(scoresOf(top, filled), expected);
    EXPECT_TRUE(top[0].GName.isEmpty());
    // A narrower sort leaves nothing of the earlier one behind.
    EXPECT_EQ(rankByScore(list, "L", QString(), 0, top), 0);
    EXPECT_EQ(top[1].Score, 0);
    EXPECT_TRUE(top[20].GName.isEmpty());
}

TEST(RankingTest, FinSortRanksWonGamesByTimeOrMovesLowestFirst)
{
    // makeRec(game, player, score, time, moves, won)
    std::vector<ScoreRec> list = {
        makeRec("K", "Ann", 10, 300, 90), makeRec("K", "Ann", 10, 100, 120),
        makeRec("K", "Bob", 10, 100, 80), makeRec("K", "Bob", 10, 50, 60, 0),
        makeRec("L", "Cy", -40, 200, 100),
    };
    TopTable top;
    ASSERT_EQ(rankFinished(list, true, false, top), 4);
    EXPECT_EQ(top[1].Time, 100);
    EXPECT_EQ(top[1].Player, "Bob"); // equal times: the later record first
    EXPECT_EQ(top[2].Player, "Ann");
    EXPECT_EQ(top[3].Time, 200);
    EXPECT_EQ(top[4].Time, 300);
    // Moves wins when both keys are asked for.
    ASSERT_EQ(rankFinished(list, true, true, top), 4);
    EXPECT_EQ(top[1].Moves, 80);
    EXPECT_EQ(top[2].Moves, 90);
    EXPECT_EQ(top[4].Moves, 120);
    EXPECT_EQ(rankFinished(list, false, false, top), 0);
    EXPECT_EQ(top[1].Time, 0);
}

TEST(RankingTest, FinSortNeverRanksAKeyBelowOneAndKeepsTheTwentyBest)
{
    std::vector<ScoreRec> list = {makeRec("K", "Ann", 1, 0, 5), makeRec("K", "Ann", 1, 40, 5),
                                  makeRec("K", "Ann", 1, -3, 5), makeRec("K", "Ann", 1, 30, 5)};
    TopTable top;
    ASSERT_EQ(rankFinished(list, true, false, top), 2);
    EXPECT_EQ(top[1].Time, 30);
    EXPECT_EQ(top[2].Time, 40);
    list.clear();
    for (int i = 0; i < 60; ++i)
        list.push_back(makeRec("K", "Ann", 1, 1000 - i * 7 % 500, 5));
    ASSERT_EQ(rankFinished(list, true, false, top), 20);
    for (int p = 2; p <= 20; ++p)
        EXPECT_LE(top[size_t(p - 1)].Time, top[size_t(p)].Time);
    std::vector<int32_t> times;
    for (const ScoreRec &r : list)
        times.push_back(r.Time);
    std::sort(times.begin(), times.end());
    EXPECT_EQ(top[20].Time, times[19]);
    EXPECT_EQ(top[1].Time, times[0]);
}
