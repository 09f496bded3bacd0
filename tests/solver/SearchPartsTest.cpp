// The solver's table of positions and its turns of the talon, checked
// against what they stand for.
#include "solver/PositionKey.h"
#include "solver/TalonMoves.h"
#include "solver/CandidateMoves.h"
#include "solver/Transition.h"
#include "solver/VisitedTable.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <string>
#include <random>
#include <vector>

using namespace cardova;

namespace {

uint64_t someKey(std::mt19937_64 &rng) { return rng() | (uint64_t(1) << 63); }

// Inserts count random keys drawn from seed; returns them in order.
std::vector<uint64_t> insertSomeKeys(VisitedTable &table, unsigned seed, int count)
{
    std::mt19937_64 rng(seed);
    std::vector<uint64_t> keys;
    for (int i = 0; i < count; ++i) {
        keys.push_back(someKey(rng));
        table.insert(keys.back());
    }
    return keys;
}

std::size_t keysKept(const VisitedTable &table, const std::vector<uint64_t> &keys)
{
    std::size_t kept = 0;
    for (uint64_t key : keys)
        kept += table.contains(key) ? 1 : 0;
    return kept;
}

TEST(VisitedTableTest, GrowingKeepsEveryKeyOfTheSearchAndStaysWithinItsMemory)
{
    constexpr std::size_t kMax = std::size_t(8) << 20;
    VisitedTable table(kMax);
    const std::size_t first = table.bytes();
    EXPECT_LT(first, kMax);
    // Far fewer keys than the full table holds: growing moves them all
    // over, and only the few meeting a full bucket early are given up.
    const std::vector<uint64_t> keys = insertSomeKeys(table, 7, 100000);
    EXPECT_GT(table.bytes(), first);
    EXPECT_LE(table.bytes(), kMax);
    EXPECT_GE(keysKept(table, keys), keys.size() * 99 / 100);
    std::mt19937_64 other(8);
    int strays = 0;
    for (int i = 0; i < 10000; ++i)
        strays += table.contains(someKey(other)) ? 1 : 0;
    EXPECT_EQ(strays, 0);
}

TEST(VisitedTableTest, AFullTableForgetsOldKeysButNeverGrowsPastItsMemory)
{
    constexpr std::size_t kMax = std::size_t(64) << 10;
    VisitedTable table(kMax);
    const std::vector<uint64_t> keys = insertSomeKeys(table, 9, 50000);
    EXPECT_LE(table.bytes(), kMax);
    EXPECT_TRUE(table.contains(keys.back()));
    EXPECT_LE(keysKept(table, keys) * sizeof(uint64_t), kMax);
}

TEST(VisitedTableTest, ANewSearchForgetsEveryKeyEvenAfterGrowing)
{
    VisitedTable table(std::size_t(4) << 20);
    const std::vector<uint64_t> keys = insertSomeKeys(table, 11, 60000);
    table.newSearch();
    for (uint64_t key : keys)
        ASSERT_FALSE(table.contains(key));
    table.insert(keys.front());
    EXPECT_TRUE(table.contains(keys.front()));
}

Rules klondike()
{
    Rules r;
    r.emptyRank = 12;
    return r;
}

// A Klondike table part way through: a few cards home, a long talon.
Position midGame(std::mt19937 &rng)
{
    std::vector<CardCode> deck;
    for (int c = 0; c < kPositionCards; ++c)
        deck.push_back(CardCode(c));
    std::shuffle(deck.begin(), deck.end(), rng);
    Position p = Position::empty(7);
    std::size_t next = 0;
    for (int t = 0; t < 7; ++t)
        for (int i = 0; i <= t; ++i)
            p.push(t, CardCode(deck[next++] | (i < t ? kFaceDownFlag : 0)));
    const int turned = int(rng() % 12);
    for (int i = 0; next < deck.size(); ++i)
        p.push(i < turned ? PileIndex::kWaste : PileIndex::kStock,
               CardCode(deck[next++] | (i < turned ? 0 : kFaceDownFlag)));
    return p;
}

// Every candidate that turns the talon first must be the same as its moves
// played one by one, every turn before its move must be a turn of the
// table, and none of them may send a card home.
namespace {
// Resident memory of this process in KiB, or -1 where it cannot be read.
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
} // namespace

TEST(VisitedTableTest, ATablesMemoryGoesBackToTheSystemWhenTheSearchEnds)
{
    if (residentKiB() < 0)
        GTEST_SKIP() << "no /proc here";
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps freed memory aside on purpose";
#endif
    constexpr std::size_t kMax = std::size_t(16) << 20;
    const auto fill = [&] {
        VisitedTable table(kMax);
        insertSomeKeys(table, 3, int(kMax / sizeof(uint64_t) / 4));
        EXPECT_EQ(table.bytes(), kMax);
    };
    // An allocator learns from the first long search to keep blocks of
    // these sizes; neither search's memory may stay.
    const long before = residentKiB();
    fill();
    EXPECT_LT(residentKiB() - before, 4096) << "KiB kept after the first search";
    fill();
    EXPECT_LT(residentKiB() - before, 4096) << "KiB kept after the second search";
}

TEST(TalonMovesTest, ACandidateIsTheTurnsAndTheMoveItStandsFor)
{
    const Rules rules = klondike();
    std::mt19937 rng(3);
    for (bool autoplay : {true, false})
        for (int round = 0; round < 40; ++round) {
            Position p = midGame(rng);
            while (autoplay && autoPlayStep(p, rules))
                apply(p, rules, *autoPlayStep(p, rules));
            const CandidateContext context{rules, autoplay, true, SearchPhase::Exact};
            std::vector<Candidate> candidates;
            candidateMoves(p, context, {}, candidates);
            for (const Candidate &c : candidates) {
                Position viaCandidate = p;
                playCandidate(viaCandidate, rules, c, autoplay);
                std::vector<Move> line;
                appendMoves(p, rules, c, line);
                ASSERT_EQ(line.size(), std::size_t(c.turns) + 1);
                Position oneByOne = p;
                for (std::size_t i = 0; i < line.size(); ++i) {
                    ASSERT_TRUE(isLegal(oneByOne, rules, line[i])) << oneByOne.text();
                    const int home = cardsOnFoundations(oneByOne);
                    playTurn(oneByOne, rules, line[i], autoplay);
                    if (i + 1 < line.size()) {
                        ASSERT_EQ(cardsOnFoundations(oneByOne), home);
                    }
                }
                ASSERT_EQ(viaCandidate, oneByOne) << p.text();
            }
        }
}

// Every waste card a round of turns shows gets its moves, at the turn
// that shows it; a turn sending a card home ends the list.
TEST(TalonMovesTest, EveryWasteCardOfARoundIsOffered)
{
    const Rules rules = klondike();
    std::mt19937 rng(5);
    for (int round = 0; round < 40; ++round) {
        const Position p = midGame(rng);
        const CandidateContext context{rules, false, true, SearchPhase::Exact};
        std::vector<Candidate> candidates;
        talonCandidates(p, context, true, 0, nullptr, candidates);
        Position q = p;
        const int turns = p.size(PileIndex::kStock) + p.size(PileIndex::kWaste);
        for (int t = 1; t <= turns; ++t) {
            apply(q, rules, *talonTurn(q, rules));
            MoveList legal;
            legalMoves(q, rules, legal);
            for (const Move &m : legal) {
                if (m.kind != MoveKind::Card || m.source.kind != SourceKind::Waste)
                    continue;
                const Candidate want{m, uint8_t(t)};
                EXPECT_NE(std::find_if(candidates.begin(), candidates.end(),
                                       [&](const Candidate &c) { return c.move == want.move && c.turns == want.turns; }),
                          candidates.end());
            }
        }
    }
}

// Turned three at a time, with or without a limit on turn-backs: the card
// each number of turns opens is the one the turns played one by one leave
// on the waste's top, and every waste card those turns open (up to two
// rounds past the turn back) gets its moves offered after turns that open
// the same card with the same talon.
TEST(TalonMovesTest, DrawThreeOffersEveryCardTheTurnsOpen)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 60; ++round) {
        Rules rules = klondike();
        rules.draw = 3;
        Position p = midGame(rng);
        if (round % 3 == 1)
            p.turnBacksLeft = 1;
        if (round % 3 == 2)
            p.turnBacksLeft = 0;
        const CandidateContext context{rules, false, true, SearchPhase::Exact};
        std::vector<Candidate> candidates;
        talonCandidates(p, context, true, 0, nullptr, candidates);
        // The table each candidate's turns reach.
        auto turned = [&](int turns) {
            Position q = p;
            for (int t = 0; t < turns; ++t)
                apply(q, rules, *talonTurn(q, rules));
            return q;
        };
        for (const Candidate &c : candidates) {
            const Position q = turned(c.turns);
            ASSERT_FALSE(q.isEmpty(PileIndex::kWaste));
            EXPECT_EQ(talonCardOpenAfter(p, rules, c.turns) & ~kFaceDownFlag, q.top(PileIndex::kWaste)) << c.turns;
        }
        // The waste's moves without turns come with the other plain moves.
        MoveList plain;
        legalMoves(p, rules, plain);
        for (const Move &m : plain)
            if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Waste)
                candidates.push_back({m, 0});
        Position q = p;
        const int ring = p.size(PileIndex::kStock) + p.size(PileIndex::kWaste);
        for (int t = 1; t <= 2 * ring + 2; ++t) {
            const auto turn = talonTurn(q, rules);
            if (!turn)
                break;
            apply(q, rules, *turn);
            MoveList legal;
            legalMoves(q, rules, legal);
            for (const Move &m : legal) {
                if (m.kind != MoveKind::Card || m.source.kind != SourceKind::Waste)
                    continue;
                // Offered after turns reaching the same talon, or one with
                // more turn-backs left.
                const bool offered = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate &c) {
                    const Position at = turned(c.turns);
                    return c.move == m && at.cards == q.cards && at.start == q.start &&
                           (at.turnBacksLeft == q.turnBacksLeft ||
                            (q.turnBacksLeft != kUnlimitedTurnBacks && at.turnBacksLeft > q.turnBacksLeft));
                });
                EXPECT_TRUE(offered) << "turn " << t << "\n" << q.text();
            }
        }
    }
}

// The talon as a ring: a position and the same one turned round share a
// key exactly when no turn of the round sends a card home.
TEST(PositionKeyTest, TheOpenTalonCardCountsOnlyWhenARoundSendsACardHome)
{
    const Rules rules = klondike();
    const KeyShape kShape{true, true};
    std::mt19937 rng(13);
    int merged = 0;
    int apart = 0;
    for (int round = 0; round < 60; ++round) {
        Position p = midGame(rng);
        while (autoPlayStep(p, rules))
            apply(p, rules, *autoPlayStep(p, rules));
        Position q = p;
        apply(q, rules, *talonTurn(q, rules));
        const bool ring = talonPlaceIrrelevant(p, rules, true);
        if (ring) {
            ASSERT_EQ(positionKey(p, kShape, true), positionKey(q, kShape, talonPlaceIrrelevant(q, rules, true)));
            ++merged;
        } else {
            ++apart;
        }
        EXPECT_NE(positionKey(p, kShape, false), positionKey(q, kShape, false));
        EXPECT_TRUE(talonPlaceIrrelevant(p, rules, false));
    }
    EXPECT_GT(merged, 0);
    EXPECT_GT(apart, 0);
}

} // namespace

// Which foundation holds a suit does not matter when each takes one suit;
// with suit-blind foundations automatic play picks the first that fits, so
// there it does.
TEST(PositionKeyTest, FoundationsSwappedShareAKeyOnlyWhenBuiltBySuit)
{
    // Three spades home on one foundation, two hearts on another, the rest
    // dealt out in the same order either way.
    auto table = [](int spades, int hearts) {
        Position p = Position::empty(7);
        int next = 0;
        for (int suit = 0; suit < kFoundationPiles; ++suit)
            for (int rank = 0; rank < kRanks; ++rank) {
                const CardCode card = cardCode(suit, rank);
                if (suit == 0 && rank < 3)
                    p.push(PileIndex::foundation(spades), card);
                else if (suit == 1 && rank < 2)
                    p.push(PileIndex::foundation(hearts), card);
                else
                    p.push(next < 28 ? PileIndex::tableau(next % 7) : PileIndex::kStock, card);
                ++next;
            }
        return p;
    };
    const Position p = table(0, 1);
    const Position q = table(3, 0);
    const Rules bySuit = klondike();
    Rules suitBlind = klondike();
    suitBlind.foundationOrder = OrderCode::UpRegardless;
    for (bool autoplay : {false, true})
        EXPECT_EQ(positionKey(p, keyShapeFor(bySuit, autoplay)), positionKey(q, keyShapeFor(bySuit, autoplay)));
    EXPECT_NE(positionKey(p, keyShapeFor(suitBlind, true)), positionKey(q, keyShapeFor(suitBlind, true)));
    // Which cards lie together on a foundation still counts.
    Position moved = p;
    moved.carry(PileIndex::foundation(0), PileIndex::foundation(1), 1);
    EXPECT_NE(positionKey(p, keyShapeFor(bySuit, true)), positionKey(moved, keyShapeFor(bySuit, true)));
}

// Free cells are alike: the same cards in other cells share a key where the
// tableau's order does not count either. The turn-backs left count.
TEST(PositionKeyTest, CellsAreASetAndTurnBacksLeftCount)
{
    Rules rules = klondike();
    rules.cells = 4;
    Position p = Position::empty(7, 0, 4);
    Position q = p;
    p.push(PileIndex::cell(0), cardCode(1, 5));
    p.push(PileIndex::cell(2), cardCode(2, 7));
    q.push(PileIndex::cell(3), cardCode(1, 5));
    q.push(PileIndex::cell(1), cardCode(2, 7));
    for (bool autoplay : {false, true})
        EXPECT_EQ(positionKey(p, keyShapeFor(rules, autoplay)), positionKey(q, keyShapeFor(rules, autoplay)));
    Rules suitBlind = rules;
    suitBlind.foundationOrder = OrderCode::UpRegardless;
    EXPECT_NE(positionKey(p, keyShapeFor(suitBlind, true)), positionKey(q, keyShapeFor(suitBlind, true)));

    Position once = p;
    once.turnBacksLeft = 1;
    Position never = p;
    never.turnBacksLeft = 0;
    const KeyShape shape = keyShapeFor(rules, true);
    EXPECT_NE(positionKey(once, shape), positionKey(never, shape));
    EXPECT_NE(positionKey(once, shape), positionKey(p, shape));
}
