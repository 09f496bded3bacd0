// Positions built by hand where one move the search might skip decides the game.
#include "solver/Solver.h"
#include "solver/Transition.h"
#include "PlainSearch.h"

#include <gtest/gtest.h>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

using namespace cardova;
using namespace cardova::test;

namespace {

// Cards as Position::text writes them: "7H" face up, "7h" face down.
void pushCards(Position &p, int pile, const std::string &text)
{
    static const std::string kRankLetters = "A23456789TJQK";
    static const std::string kSuitLetters = "HSDC";
    std::istringstream words(text);
    std::string w;
    while (words >> w) {
        const bool down = std::islower(static_cast<unsigned char>(w[0])) != 0;
        const auto rank = kRankLetters.find(char(std::toupper(static_cast<unsigned char>(w[0]))));
        const auto suit = kSuitLetters.find(char(std::toupper(static_cast<unsigned char>(w[1]))));
        ASSERT_NE(rank, std::string::npos) << w;
        ASSERT_NE(suit, std::string::npos) << w;
        p.push(pile, cardCode(int(suit), int(rank), down));
    }
}

// Foundation of a suit built from the Ace up to `top` (0 Ace ... 12 King).
void pushSuitUpTo(Position &p, int suit, int top)
{
    for (int rank = 0; rank <= top; ++rank)
        p.push(PileIndex::foundation(suit), cardCode(suit, rank));
}

Rules klondikeRules(int piles)
{
    Rules r;
    r.tableauPiles = uint8_t(piles);
    r.emptyRank = 12;
    return r;
}

} // namespace

// The 5S covering the 4S needs a red six, and both lie on the foundations:
// one must come back to the tableau. With automatic play on it goes home
// again at once, so the game is lost.
TEST(DesignedPositionTest, AFoundationCardMustComeBack)
{
    const Rules rules = klondikeRules(3);
    Position p = Position::empty(3);
    pushSuitUpTo(p, 0, 5);  // hearts to the 6
    pushSuitUpTo(p, 1, 2);  // spades to the 3
    pushSuitUpTo(p, 2, 5);  // diamonds to the 6
    pushSuitUpTo(p, 3, 12); // clubs complete
    pushCards(p, 0, "4s 5S");
    pushCards(p, 1, "KH QS JH TS 9H 8S 7H");
    pushCards(p, 2, "KS QD JS TD 9S 8D 7S");
    pushCards(p, PileIndex::kStock, "qh th 8h kd jd 9d 6s 7d");
    ASSERT_EQ(p.cardCount(), kPositionCards);

    const SolveResult off = solve(p, rules, false, Budget::ofNodes(1'000'000));
    ASSERT_EQ(off.verdict, Verdict::Winnable);
    expectLineWins(p, rules, false, off.line);
    const bool takesBack = std::any_of(off.line.begin(), off.line.end(), [](const Move &m) {
        return m.kind == MoveKind::Card && m.source.kind == SourceKind::Foundation &&
               m.target.kind == TargetKind::Tableau;
    });
    EXPECT_TRUE(takesBack);

    // Under automatic play the sixes can never come back, so the 5S can
    // never leave the 4S: known without a search.
    EXPECT_EQ(solve(p, rules, true, Budget::ofNodes(1)).verdict, Verdict::NotWinnable);
}

// The 5S needs the 6D on the tableau. Turned after the 5D, the 6D goes home
// by automatic play and the game is lost; turned first it waits on the
// waste for the player. Only the order of the stock differs.
TEST(DesignedPositionTest, TheStockOrderDecidesUnderAutomaticPlay)
{
    const Rules rules = klondikeRules(3);
    auto position = [](const char *stock) {
        Position p = Position::empty(3);
        pushSuitUpTo(p, 0, 12); // hearts complete
        pushSuitUpTo(p, 1, 2);  // spades to the 3
        pushSuitUpTo(p, 2, 3);  // diamonds to the 4
        pushSuitUpTo(p, 3, 12); // clubs complete
        pushCards(p, 0, "4s 5S");
        pushCards(p, 1, "KS QD JS TD 9S 8D 7S");
        pushCards(p, 2, "KD QS JD TS 9D 8S 7D 6S");
        pushCards(p, PileIndex::kStock, stock); // bottom first: the last is turned first
        return p;
    };
    const Position sixFirst = position("5d 6d");
    const Position fiveFirst = position("6d 5d");
    ASSERT_EQ(sixFirst.cardCount(), kPositionCards);

    const SolveResult wins = solve(sixFirst, rules, true, Budget::ofNodes(1'000'000));
    ASSERT_EQ(wins.verdict, Verdict::Winnable);
    expectLineWins(sixFirst, rules, true, wins.line);
    EXPECT_EQ(solve(fiveFirst, rules, true, Budget::ofNodes(1'000'000)).verdict, Verdict::NotWinnable);
    // Without automatic play the 6D can wait on the waste either way.
    EXPECT_EQ(solve(fiveFirst, rules, false, Budget::ofNodes(1'000'000)).verdict, Verdict::Winnable);
}

// The 6H lies on the AH, and both black sevens it could move to lie under
// them: with spaces for Kings only the pile can never be cleared, which is
// known at once. With spaces for any card the 6H moves out and it is won.
TEST(DesignedPositionTest, APileThatCanNeverBeClearedIsLostAtOnce)
{
    auto position = [] {
        Position p = Position::empty(3);
        pushSuitUpTo(p, 1, 5);  // spades to the 6
        pushSuitUpTo(p, 2, 12); // diamonds complete
        pushSuitUpTo(p, 3, 5);  // clubs to the 6
        pushCards(p, 0, "7s 7c ah 6H");
        pushCards(p, PileIndex::kStock, "2h 3h 4h 5h 7h 8h 9h th jh qh kh 8s 9s ts js qs ks 8c 9c tc jc qc kc");
        return p;
    };
    const Position p = position();
    ASSERT_EQ(p.cardCount(), kPositionCards);
    Rules kingSpaces = klondikeRules(3);
    for (bool autoplay : {false, true})
        EXPECT_EQ(solve(p, kingSpaces, autoplay, Budget::ofNodes(1)).verdict, Verdict::NotWinnable);

    Rules anySpace = kingSpaces;
    anySpace.emptyRank = kAnyRank;
    for (bool autoplay : {false, true}) {
        const SolveResult r = solve(p, anySpace, autoplay, Budget::ofNodes(1'000'000));
        ASSERT_EQ(r.verdict, Verdict::Winnable);
        expectLineWins(p, anySpace, autoplay, r.line);
    }
}
