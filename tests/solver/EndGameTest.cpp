// The solver against a search that knows nothing of keys, phases or
// reductions, on end-games small enough to search completely.
#include "solver/Solver.h"
#include "solver/Transition.h"
#include "PlainSearch.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

using namespace cardova;
using namespace cardova::test;

namespace {


// A random end-game: each suit built from the base on its own foundation
// up to some height, the off cards (between minOff and maxOff) spread over
// the tableau, stock and waste, some of them face down.
Position randomEndGame(const Rules &r, std::mt19937 &rng, int minOff, int maxOff)
{
    const int off = std::uniform_int_distribution<int>(minOff, maxOff)(rng);
    Position p = Position::empty(r.tableauPiles);
    const std::vector<CardCode> loose = homeAllBut(p, r, rng, off);
    std::uniform_int_distribution<int> where(0, r.tableauPiles + 1);
    for (CardCode card : loose) {
        const int to = where(rng);
        if (to == r.tableauPiles)
            p.push(PileIndex::kStock, CardCode(card | kFaceDownFlag));
        else if (to == r.tableauPiles + 1)
            p.push(PileIndex::kWaste, card);
        else
            p.push(PileIndex::tableau(to), CardCode(card | (rng() % 2 == 0 ? kFaceDownFlag : 0)));
    }
    for (int t = 0; t < r.tableauPiles; ++t)
        if (!p.isEmpty(t))
            p.at(t, p.size(t) - 1) = CardCode(p.top(t) & ~kFaceDownFlag);
    return p;
}

Rules rulesWith(OrderCode foundation, OrderCode tableau, int16_t emptyRank, int piles, int16_t base)
{
    Rules r;
    r.foundationOrder = foundation;
    r.tableauOrder = tableau;
    r.multiOrder = tableau;
    r.emptyRank = emptyRank;
    r.tableauPiles = uint8_t(piles);
    r.baseRank = base;
    return r;
}

} // namespace

// Same-suit and regardless-of-suit foundations (the latter keep the tableau
// pile order in the key under automatic play), ranked and free spaces.
// Every verdict must match the plain search, with the full table and with
// one so small that most entries are pushed out; every winning line must win.
TEST(EndGameTest, VerdictsMatchAPlainSearch)
{
    Rules games[] = {
        rulesWith(OrderCode::UpSameSuit, OrderCode::DownAlternateColor, 12, 4, 0),
        rulesWith(OrderCode::UpRegardless, OrderCode::DownRegardless, kAnyRank, 3, 0),
        rulesWith(OrderCode::DownSameSuit, OrderCode::DownSameSuit, kAnyRank, 4, 12),
        rulesWith(OrderCode::UpSameSuit, OrderCode::DownAlternateColor, 12, 3, 0),
    };
    // One stock dealt once, runs moved card by card: more games are lost.
    games[3].wasteTurnsBack = false;
    games[3].moves = TableauMoves::Single;
    std::mt19937 rng(31337);
    int won = 0, lost = 0, tinyDecided = 0;
    for (const Rules &rules : games)
        for (bool autoplay : {false, true})
            for (int round = 0; round < 40; ++round) {
                const Position p = randomEndGame(rules, rng, 5, 9);
                const auto expected = plainSearchWins(p, rules, autoplay, 50'000, {autoplay, false});
                if (!expected)
                    continue;
                bool tinyAnswered = false;
                expectSolverAgrees(p, rules, autoplay, *expected, 5'000'000, &tinyAnswered);
                if (::testing::Test::HasFatalFailure())
                    return;
                (*expected ? won : lost) += 1;
                tinyDecided += tinyAnswered ? 1 : 0;
            }
    // Both answers must have been put to the test, the small table too.
    EXPECT_GT(won, 50);
    EXPECT_GE(lost, 5);
    EXPECT_GT(tinyDecided, 50);
}

// A search stopped from outside or out of nodes says it does not know.
TEST(EndGameTest, StopAndBudgetGiveUnknown)
{
    const Rules rules = rulesWith(OrderCode::UpSameSuit, OrderCode::DownAlternateColor, 12, 4, 0);
    std::mt19937 rng(5);
    Position p = randomEndGame(rules, rng, 20, 20);
    const std::atomic<bool> stop{true};
    EXPECT_EQ(solve(p, rules, false, Budget::ofNodes(10'000'000), &stop).verdict, Verdict::Unknown);
    const SolveResult few = solve(p, rules, false, Budget::ofNodes(3));
    EXPECT_EQ(few.verdict, Verdict::Unknown);
    EXPECT_LE(few.nodes, 3u);
}

// With automatic play off under Klondike's building rules the search sends
// low cards home without trying anything else first. Where a plain search
// that never takes a card back off a foundation finds a win, that shortcut
// must not have lost it.
TEST(EndGameTest, SafeMovesHomeLoseNoWin)
{
    // The stock dealt once: more of these end-games are lost.
    Rules rules = rulesWith(OrderCode::UpSameSuit, OrderCode::DownAlternateColor, 12, 4, 0);
    rules.wasteTurnsBack = false;
    std::mt19937 rng(2718);
    int won = 0, lost = 0;
    for (int round = 0; round < 60; ++round) {
        const Position p = randomEndGame(rules, rng, 12, 16);
        const auto narrow = plainSearchWins(p, rules, false, 100'000, {false, true});
        if (!narrow)
            continue;
        const SolveResult r = solve(p, rules, false, Budget::ofNodes(2'000'000));
        if (*narrow) {
            ASSERT_EQ(r.verdict, Verdict::Winnable) << p.text();
        }
        if (r.verdict == Verdict::Winnable)
            expectLineWins(p, rules, false, r.line);
        won += *narrow ? 1 : 0;
        lost += r.verdict == Verdict::NotWinnable ? 1 : 0;
    }
    EXPECT_GE(won, 20);
    EXPECT_GE(lost, 1);
}
