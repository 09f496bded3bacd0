// The solver on the classic games' rules: draw three, limited turn-backs,
// free cells, a reserve that fills spaces, Yukon and whole-pile moves, a
// base set by the deal. Its verdicts on small end-games must match a search
// that knows nothing of keys or reductions, and its lines on real deals
// must win when played through the move rules.
#include "TestSupport.h"

#include "rules/ClassicGames.h"
#include "session/DealPreview.h"
#include "settings/cCustom.h"
#include "solver/Solver.h"
#include "solver/Transition.h"
#include "PlainSearch.h"

#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace cardova;
using namespace cardova::test;

namespace {


// A random end-game under the rules: each suit built from the base on a
// foundation of its own, the rest spread over the tableau, the talon (where
// there is one), the reserve and the cells, and the turn-backs left drawn
// from what the rules allow.
Position randomEndGame(const Rules &r, std::mt19937 &rng, int off)
{
    Position p = Position::empty(r.tableauPiles, r.reservePiles, r.cells);
    const std::vector<CardCode> loose = homeAllBut(p, r, rng, off);
    // Places: the tableau piles, then stock, waste, reserve, cells.
    const int stock = r.tableauPiles, waste = stock + 1, reserve = stock + 2, cell = stock + 3;
    std::vector<int> places;
    for (int t = 0; t < r.tableauPiles; ++t)
        places.push_back(t);
    if (r.hasStock)
        places.insert(places.end(), {stock, stock, waste});
    if (r.reservePiles > 0)
        places.push_back(reserve);
    if (r.cells > 0)
        places.push_back(cell);
    int cellsUsed = 0;
    for (CardCode card : loose) {
        int to = places[size_t(std::uniform_int_distribution<int>(0, int(places.size()) - 1)(rng))];
        if (to == cell && cellsUsed == r.cells)
            to = 0;
        if (to == stock)
            p.push(PileIndex::kStock, CardCode(card | kFaceDownFlag));
        else if (to == waste)
            p.push(PileIndex::kWaste, card);
        else if (to == reserve)
            p.push(PileIndex::reserve(0), CardCode(card | kFaceDownFlag));
        else if (to == cell)
            p.push(PileIndex::cell(cellsUsed++), card);
        else
            p.push(PileIndex::tableau(to), CardCode(card | (rng() % 2 == 0 ? kFaceDownFlag : 0)));
    }
    for (int pile = 0; pile < PileIndex::kCount; ++pile)
        if (pile != PileIndex::kStock && !p.isEmpty(pile))
            p.at(pile, p.size(pile) - 1) = CardCode(p.top(pile) & ~kFaceDownFlag);
    if (r.turnBacks != kUnlimitedTurnBacks)
        p.turnBacksLeft = uint8_t(std::uniform_int_distribution<int>(0, r.turnBacks)(rng));
    return p;
}

struct NamedRules {
    std::string name;
    Rules rules;
};

class ClassicSolveTest : public ContextFixture {
protected:
    DealtGame deal(const GameRecord &record, double number, bool autoplay)
    {
        cGames games;
        cCustom(ctx->data, games).ApplyRecord(record);
        return dealtGame(games, number, autoplay);
    }

    // Every classic's rules as its deal sets them, and a few with a limit
    // on turn-backs, which no classic has.
    std::vector<NamedRules> classicRules()
    {
        std::vector<NamedRules> out;
        for (const ClassicGame &g : classicGames())
            out.push_back({g.name, deal(g.record, 3, false).rules});
        GameRecord once = *classicRecord(QStringLiteral("Klondike by Threes"));
        once.redeals = 1;
        out.push_back({"Klondike by Threes, one redeal", deal(once, 3, false).rules});
        GameRecord twice = *classicRecord(QStringLiteral("Thoughtful"));
        twice.redeals = 2;
        out.push_back({"Thoughtful, two redeals", deal(twice, 3, false).rules});
        GameRecord canfieldOnce = *classicRecord(QStringLiteral("Canfield"));
        canfieldOnce.redeals = 0;
        out.push_back({"Canfield, no redeal", deal(canfieldOnce, 5, false).rules});
        // Tight tables, where these games lose more often.
        for (const char *name : {"FreeCell", "Baker's Game", "Seahaven Towers", "Eight Off"}) {
            Rules tight = deal(*classicRecord(QString::fromLatin1(name)), 3, false).rules;
            tight.cells = 1;
            tight.tableauPiles = 4;
            out.push_back({std::string(name) + ", one cell, four piles", tight});
        }
        for (const char *name : {"Beleaguered Castle", "Streets and Alleys"}) {
            Rules tight = deal(*classicRecord(QString::fromLatin1(name)), 3, false).rules;
            tight.tableauPiles = 3;
            out.push_back({std::string(name) + ", three piles", tight});
        }
        return out;
    }
};

} // namespace

// The solver's verdict on every small end-game a plain search decides
// must be the plain search's, with the full table and with a tiny one;
// every winning line must win.
TEST_F(ClassicSolveTest, EndGameVerdictsMatchAPlainSearch)
{
    std::mt19937 rng(4242);
    int lostGames = 0;
    for (const NamedRules &game : classicRules()) {
        SCOPED_TRACE(game.name);
        const Rules &rules = game.rules;
        int won = 0, lost = 0;
        for (bool autoplay : {false, true})
            for (int round = 0; round < 20; ++round) {
                const Position p = randomEndGame(rules, rng, std::uniform_int_distribution<int>(8, 14)(rng));
                const auto expected = plainSearchWins(p, rules, autoplay, 40'000);
                if (!expected)
                    continue;
                expectSolverAgrees(p, rules, autoplay, *expected, 3'000'000);
                if (HasFatalFailure())
                    return;
                (*expected ? won : lost) += 1;
            }
        EXPECT_GE(won, 4);
        lostGames += lost > 0 ? 1 : 0;
    }
    // Lost end-games are rarer: most rules must have some.
    EXPECT_GE(lostGames, 10);
}

// Real deals of every classic: each line found wins when its moves are
// played through the move rules with automatic play as the game makes it,
// and every classic has a deal among the first few that the solver wins.
TEST_F(ClassicSolveTest, WinningLinesOfDealsPlayToAWin)
{
    constexpr int kDeals = 6;
    for (const ClassicGame &g : classicGames()) {
        SCOPED_TRACE(g.name);
        int wins = 0;
        for (int number = 1; number <= kDeals; ++number) {
            const DealtGame d = deal(g.record, number, true);
            const SolveResult r = solve(d.position, d.rules, true, Budget::ofNodes(300'000));
            if (r.verdict != Verdict::Winnable)
                continue;
            ++wins;
            expectLineWins(d.position, d.rules, true, r.line);
        }
        EXPECT_GE(wins, 1);
    }
}

// Turning the stock's last card leaves the stock empty, but that is no
// tableau space: the reserve keeps its cards (a line through such a turn
// must replay as the search played it).
TEST_F(ClassicSolveTest, TurningTheLastStockCardLeavesTheReserveAlone)
{
    Rules rules = deal(*classicRecord(QStringLiteral("Canfield")), 1, false).rules;
    Position p = Position::empty(rules.tableauPiles, rules.reservePiles);
    p.push(PileIndex::tableau(0), cardCode(0, 5));
    p.push(PileIndex::reserve(0), cardCode(1, 4, true));
    p.push(PileIndex::reserve(0), cardCode(1, 3));
    p.push(PileIndex::kStock, cardCode(2, 7, true));
    const Position before = p;
    const Applied a = apply(p, rules, Move::turnStock());
    EXPECT_EQ(p.size(PileIndex::reserve(0)), 2);
    EXPECT_EQ(p.size(PileIndex::kStock), 0);
    EXPECT_EQ(p.top(PileIndex::kWaste), cardCode(2, 7));
    undo(p, a);
    EXPECT_EQ(p, before);
}
