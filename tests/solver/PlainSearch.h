#pragma once
// A search that knows nothing of the solver's keys, phases or reductions:
// what the solver's verdicts and lines are checked against.
#include "solver/Solver.h"
#include "solver/Transition.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace cardova::test {

struct PositionLess {
    bool operator()(const Position &a, const Position &b) const
    {
        return std::tie(a.cards, a.start, a.turnBacksLeft) < std::tie(b.cards, b.start, b.turnBacksLeft);
    }
};

struct PlainSearchRules {
    // The waste turns back only from an empty stock, where the table offers it.
    bool turnBackFromEmptyStockOnly = true;
    // No card is taken back off a foundation: a narrower search, whose wins
    // the full game has too.
    bool foundationCardsStay = false;
};

// Every position reachable from root through legalMoves and playTurn, each
// visited once. Nullopt when more than maxPositions turn up: cards taken
// back from the foundations can make even a small end-game large.
inline std::optional<bool> plainSearchWins(const Position &root, const Rules &rules, bool autoplay,
                                           std::size_t maxPositions, PlainSearchRules search = {})
{
    std::set<Position, PositionLess> seen{root};
    std::vector<Position> open{root};
    while (!open.empty()) {
        if (seen.size() > maxPositions)
            return std::nullopt;
        const Position p = open.back();
        open.pop_back();
        if (isWon(p))
            return true;
        MoveList moves;
        legalMoves(p, rules, moves);
        for (const Move &m : moves) {
            if (search.turnBackFromEmptyStockOnly && m.kind == MoveKind::TurnWasteBack &&
                !p.isEmpty(PileIndex::kStock))
                continue;
            if (search.foundationCardsStay && m.kind == MoveKind::Card && m.source.kind == SourceKind::Foundation)
                continue;
            Position next = p;
            playTurn(next, rules, m, autoplay);
            if (seen.insert(next).second)
                open.push_back(next);
        }
    }
    return false;
}

// Plays the line through the move rules: every move must be legal and the
// last one must win.
inline void expectLineWins(Position p, const Rules &rules, bool autoplay, const std::vector<Move> &line)
{
    ASSERT_FALSE(line.empty());
    for (const Move &m : line) {
        ASSERT_FALSE(isWon(p));
        ASSERT_TRUE(isLegal(p, rules, m)) << int(m.kind) << " " << int(m.source.kind) << ":" << int(m.source.pile)
                                          << "." << int(m.source.pos) << " > " << int(m.target.kind) << ":"
                                          << int(m.target.pile) << "\n"
                                          << p.text();
        playTurn(p, rules, m, autoplay);
    }
    EXPECT_TRUE(isWon(p)) << p.text();
}

// Solves p with a full table of searched positions and with a tiny one,
// which loses most of them: slower, but any answer it gives must still be
// right. Every answer must be the plain search's (`expected`), every winning
// line must win. tinyDecided: the tiny table answered.
inline void expectSolverAgrees(const Position &p, const Rules &rules, bool autoplay, bool expected,
                               uint64_t fullNodes, bool *tinyDecided = nullptr)
{
    const SolveResult full = solve(p, rules, autoplay, Budget::ofNodes(fullNodes));
    ASSERT_NE(full.verdict, Verdict::Unknown) << p.text();
    ASSERT_EQ(full.verdict == Verdict::Winnable, expected) << "autoplay " << autoplay << "\n" << p.text();
    if (expected)
        expectLineWins(p, rules, autoplay, full.line);
    Budget tiny = Budget::ofNodes(200'000);
    tiny.tableBytes = 4096;
    const SolveResult small = solve(p, rules, autoplay, tiny);
    if (tinyDecided)
        *tinyDecided = small.verdict != Verdict::Unknown;
    if (small.verdict == Verdict::Unknown)
        return;
    ASSERT_EQ(small.verdict == Verdict::Winnable, expected) << "small table, autoplay " << autoplay << "\n" << p.text();
    if (expected)
        expectLineWins(p, rules, autoplay, small.line);
}

// The game's rank at a foundation's height h above the base.
inline int rankAbove(const Rules &r, int h)
{
    const bool down = r.foundationOrder == OrderCode::DownSameSuit || r.foundationOrder == OrderCode::DownRegardless;
    return ((down ? r.baseRank - h : r.baseRank + h) % kRanks + kRanks) % kRanks;
}

// Builds each suit from the base on a foundation of its own, leaving `off`
// cards drawn at random off them; returns those cards shuffled.
inline std::vector<CardCode> homeAllBut(Position &p, const Rules &r, std::mt19937 &rng, int off)
{
    std::array<int, kFoundationPiles> height{13, 13, 13, 13};
    for (int i = 0; i < off;) {
        const int suit = std::uniform_int_distribution<int>(0, 3)(rng);
        if (height[size_t(suit)] > 0) {
            --height[size_t(suit)];
            ++i;
        }
    }
    std::vector<CardCode> loose;
    for (int suit = 0; suit < kFoundationPiles; ++suit)
        for (int h = 0; h < kRanks; ++h) {
            const CardCode card = cardCode(suit, rankAbove(r, h));
            if (h < height[size_t(suit)])
                p.push(PileIndex::foundation(suit), card);
            else
                loose.push_back(card);
        }
    std::shuffle(loose.begin(), loose.end(), rng);
    return loose;
}

} // namespace cardova::test
