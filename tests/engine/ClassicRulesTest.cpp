#include "TestSupport.h"
#include "SortedMoves.h"

#include "engine/Moves.h"
#include "rules/ClassicGames.h"
#include "session/DealPreview.h"
#include "settings/cCustom.h"

#include <algorithm>
#include <random>
#include <tuple>

using namespace cardova;
using namespace cardova::test;

namespace {


std::string moveText(const Move &m)
{
    if (m.kind != MoveKind::Card)
        return m.kind == MoveKind::TurnStock ? "stock" : "back";
    return "s" + std::to_string(int(m.source.kind)) + "." + std::to_string(m.source.pile) + ":" +
           std::to_string(m.source.pos) + ">t" + std::to_string(int(m.target.kind)) + "." +
           std::to_string(m.target.pile);
}

std::string listText(const std::vector<Move> &moves)
{
    std::string s;
    for (const Move &m : moves)
        s += moveText(m) + " ";
    return s;
}

// The move rules written out plainly, pile by pile and card by card, with
// none of the engine's masks or shortcuts: what the engine must agree with.
class PlainRules {
public:
    PlainRules(const Position &p, const Rules &r) : p_(p), r_(r) {}

    std::vector<Move> moves() const
    {
        std::vector<Move> out;
        for (int t = 0; t < r_.tableauPiles; ++t)
            for (int pos = 0; pos < p_.size(t); ++pos)
                if (pickable(t, pos))
                    addTargets({SourceKind::Tableau, uint8_t(t), uint8_t(pos)}, t, p_.size(t) - pos, out);
        if (!p_.isEmpty(PileIndex::kWaste))
            addTargets({SourceKind::Waste, 0, 0}, PileIndex::kWaste, 1, out);
        for (int g = 0; g < kFoundationPiles; ++g)
            if (!p_.isEmpty(PileIndex::foundation(g)))
                addTargets({SourceKind::Foundation, uint8_t(g), uint8_t(p_.size(PileIndex::foundation(g)) - 1)},
                           PileIndex::foundation(g), 1, out);
        for (int v = 0; v < r_.reservePiles; ++v)
            if (!p_.isEmpty(PileIndex::reserve(v)))
                addTargets({SourceKind::Reserve, uint8_t(v), 0}, PileIndex::reserve(v), 1, out);
        for (int c = 0; c < r_.cells; ++c)
            if (!p_.isEmpty(PileIndex::cell(c)))
                addTargets({SourceKind::Cell, uint8_t(c), 0}, PileIndex::cell(c), 1, out);
        if (!p_.isEmpty(PileIndex::kStock))
            out.push_back(Move::turnStock());
        if (r_.wasteTurnsBack && p_.turnBacksLeft != 0 && !p_.isEmpty(PileIndex::kWaste))
            out.push_back(Move::turnWasteBack());
        return out;
    }

private:
    bool runFrom(int t, int pos) const
    {
        for (int i = pos; i < p_.size(t); ++i)
            if (isFaceDown(p_.at(t, i)) ||
                (i > pos && !fitsOrder(p_.at(t, i - 1), p_.at(t, i), r_.multiOrder, r_.tableauWrap)))
                return false;
        return true;
    }

    bool pickable(int t, int pos) const
    {
        const int top = p_.size(t) - 1;
        switch (r_.moves) {
        case TableauMoves::Single: return pos == top;
        case TableauMoves::Runs:
        case TableauMoves::FreeCellRuns: return runFrom(t, pos);
        case TableauMoves::AnyFaceUp: return !isFaceDown(p_.at(t, pos));
        case TableauMoves::WholePiles: return pos == top || (pos == 0 && runFrom(t, 0));
        }
        return false;
    }

    int emptyCells() const
    {
        int n = 0;
        for (int c = 0; c < r_.cells; ++c)
            n += p_.isEmpty(PileIndex::cell(c));
        return n;
    }

    bool fitsRunRule(int count, int target) const
    {
        if (r_.moves != TableauMoves::FreeCellRuns)
            return true;
        int spaces = 0;
        for (int b = 0; b < r_.tableauPiles; ++b)
            spaces += b != target && p_.isEmpty(b) && r_.emptyRank == kAnyRank;
        int limit = emptyCells() + 1;
        for (int i = 0; i < spaces; ++i)
            limit *= 2;
        return count <= limit;
    }

    bool tableauTakes(int b, CardCode card) const
    {
        if (p_.isEmpty(b))
            return r_.emptyRank == kAnyRank || rankOf(card) == r_.emptyRank;
        return fitsOrder(p_.top(b), card, r_.tableauOrder, r_.tableauWrap);
    }

    bool foundationTakes(int g, CardCode card) const
    {
        const int pile = PileIndex::foundation(g);
        if (p_.isEmpty(pile))
            return rankOf(card) == r_.baseRank;
        return p_.size(pile) < kRanks && fitsOrder(p_.top(pile), card, r_.foundationOrder, r_.foundationWrap);
    }

    void addTargets(Source s, int fromPile, int count, std::vector<Move> &out) const
    {
        const CardCode card = p_.at(fromPile, p_.size(fromPile) - count);
        for (int b = 0; b < r_.tableauPiles; ++b)
            if (b != fromPile && tableauTakes(b, card) && fitsRunRule(count, b))
                out.push_back(Move::card(s, {TargetKind::Tableau, uint8_t(b)}));
        if (count != 1)
            return;
        for (int g = 0; g < kFoundationPiles; ++g)
            if (PileIndex::foundation(g) != fromPile && foundationTakes(g, card))
                out.push_back(Move::card(s, {TargetKind::Foundation, uint8_t(g)}));
        if (s.kind == SourceKind::Tableau || s.kind == SourceKind::Waste)
            for (int c = 0; c < r_.cells; ++c)
                if (p_.isEmpty(PileIndex::cell(c)))
                    out.push_back(Move::card(s, {TargetKind::Cell, uint8_t(c)}));
    }

    const Position &p_;
    const Rules &r_;
};

// Every card of the deck lies exactly once somewhere on the table.
bool holdsEveryCardOnce(const Position &p)
{
    std::array<int, kPositionCards> seen{};
    for (int pile = 0; pile < PileIndex::kCount; ++pile)
        for (int pos = 0; pos < p.size(pile); ++pos)
            ++seen[size_t(p.at(pile, pos) & ~kFaceDownFlag)];
    return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
}

class ClassicRulesTest : public ContextFixture {
protected:
    cGames gamesOf(const GameRecord &record)
    {
        cGames games;
        cCustom(ctx->data, games).ApplyRecord(record);
        return games;
    }
    DealtGame deal(const char *name, double number, bool autoplay = false)
    {
        const auto record = classicRecord(QString::fromLatin1(name));
        EXPECT_TRUE(record) << name;
        return dealtGame(gamesOf(record.value_or(GameRecord{})), number, autoplay);
    }
    std::vector<int> sizes(const Position &p, int first, int count)
    {
        std::vector<int> out;
        for (int i = 0; i < count; ++i)
            out.push_back(p.size(first + i));
        return out;
    }
    // Face-down cards of a pile, from the bottom.
    int faceDownCount(const Position &p, int pile)
    {
        int n = 0;
        for (int pos = 0; pos < p.size(pile); ++pos)
            n += isFaceDown(p.at(pile, pos));
        return n;
    }
};

TEST_F(ClassicRulesTest, EveryClassicIsAPlayableRecordThatDealsAllItsCards)
{
    for (const ClassicGame &g : classicGames()) {
        EXPECT_STREQ(recordProblem(g.record), "") << g.name;
        const DealtGame d = dealtGame(gamesOf(g.record), 1, false);
        EXPECT_EQ(d.position.cardCount(), kPositionCards) << g.name;
        EXPECT_TRUE(holdsEveryCardOnce(d.position)) << g.name;
        if (!g.record.stock)
            EXPECT_TRUE(d.position.isEmpty(PileIndex::kStock)) << g.name;
        EXPECT_FALSE(g.record.isClassic()) << g.name << " uses a rule beyond the eight numbers";
    }
}

TEST_F(ClassicRulesTest, DealsLayThePilesAndFacesOfTheirPattern)
{
    const Position threes = deal("Klondike by Threes", 5).position;
    EXPECT_EQ(sizes(threes, 0, 7), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(faceDownCount(threes, 6), 6);
    EXPECT_EQ(threes.size(PileIndex::kStock), 24);

    const Position thoughtful = deal("Thoughtful", 5).position;
    for (int t = 0; t < 7; ++t) {
        EXPECT_EQ(faceDownCount(thoughtful, t), 0);
        // The same number deals the same cards; only the faces differ.
        for (int pos = 0; pos < threes.size(t); ++pos)
            EXPECT_EQ(thoughtful.at(t, pos) & ~kFaceDownFlag, threes.at(t, pos) & ~kFaceDownFlag);
    }

    const Position freecell = deal("FreeCell", 5).position;
    EXPECT_EQ(sizes(freecell, 0, 8), (std::vector<int>{7, 7, 7, 7, 6, 6, 6, 6}));
    EXPECT_EQ(freecell.cellPiles, 4);
    EXPECT_EQ(sizes(freecell, PileIndex::cell(0), 4), (std::vector<int>{0, 0, 0, 0}));

    const Position eightOff = deal("Eight Off", 5).position;
    EXPECT_EQ(sizes(eightOff, 0, 8), std::vector<int>(8, 6));
    EXPECT_EQ(sizes(eightOff, PileIndex::cell(0), 8), (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 0}));

    const Position seahaven = deal("Seahaven Towers", 5).position;
    EXPECT_EQ(sizes(seahaven, 0, 10), std::vector<int>(10, 5));
    EXPECT_EQ(sizes(seahaven, PileIndex::cell(0), 4), (std::vector<int>{1, 1, 0, 0}));

    const Position yukon = deal("Yukon", 5).position;
    EXPECT_EQ(sizes(yukon, 0, 7), (std::vector<int>{1, 6, 7, 8, 9, 10, 11}));
    for (int t = 0; t < 7; ++t)
        EXPECT_EQ(faceDownCount(yukon, t), t) << "pile " << t;

    const Position castle = deal("Beleaguered Castle", 5).position;
    EXPECT_EQ(sizes(castle, 0, 8), std::vector<int>(8, 6));
    for (int g = 0; g < kFoundationPiles; ++g)
        EXPECT_EQ(rankOf(castle.top(PileIndex::foundation(g))), 0);
    const Position streets = deal("Streets and Alleys", 5).position;
    EXPECT_EQ(sizes(streets, 0, 8), (std::vector<int>{7, 7, 7, 7, 6, 6, 6, 6}));
}

TEST_F(ClassicRulesTest, CanfieldDealsAReserveAndTheBaseCard)
{
    for (double number : {1.0, 2.0, 77.0}) {
        const DealtGame d = deal("Canfield", number);
        const Position &p = d.position;
        const int reserve = PileIndex::reserve(0);
        ASSERT_EQ(p.size(reserve), 13);
        EXPECT_EQ(faceDownCount(p, reserve), 12);
        EXPECT_FALSE(isFaceDown(p.top(reserve)));
        ASSERT_EQ(p.size(PileIndex::foundation(0)), 1);
        EXPECT_EQ(rankOf(p.top(PileIndex::foundation(0))), d.rules.baseRank);
        EXPECT_EQ(sizes(p, 0, 4), std::vector<int>(4, 1));
        EXPECT_EQ(p.size(PileIndex::kStock), 52 - 13 - 1 - 4);
        EXPECT_EQ(d.rules.draw, 3);
        EXPECT_TRUE(d.rules.reserveFillsSpaces);
    }
}

// Random play of every classic, automatic play off and on: at every step
// the engine's move list equals the plain rules', and every move undoes to
// exactly the position before it.
TEST_F(ClassicRulesTest, MovesMatchThePlainRulesAndUndoExactlyInRandomPlay)
{
    std::mt19937 rng(2026);
    for (const ClassicGame &g : classicGames()) {
        for (bool autoplay : {false, true}) {
            for (double number : {3.0, 11.0}) {
                DealtGame d = dealtGame(gamesOf(g.record), number, autoplay);
                Position p = d.position;
                MoveList list;
                for (int step = 0; step < 150; ++step) {
                    legalMoves(p, d.rules, list);
                    const std::vector<Move> engine(list.begin(), list.end());
                    const std::vector<Move> plain = PlainRules(p, d.rules).moves();
                    ASSERT_EQ(listText(sorted(engine)), listText(sorted(plain)))
                        << g.name << " deal " << number << " step " << step << "\n" << p.text();
                    for (const Move &m : engine)
                        ASSERT_TRUE(isLegal(p, d.rules, m)) << g.name << ' ' << moveText(m);
                    if (engine.empty())
                        break;
                    const Move m = engine[size_t(rng() % engine.size())];
                    const Position before = p;
                    const Applied a = apply(p, d.rules, m);
                    ASSERT_TRUE(holdsEveryCardOnce(p)) << g.name;
                    Position back = p;
                    undo(back, a);
                    ASSERT_EQ(back, before) << g.name << ' ' << moveText(m);
                    ASSERT_EQ(back.hash(), before.hash());
                    while (autoplay)
                        if (const auto next = autoPlayStep(p, d.rules))
                            apply(p, d.rules, *next);
                        else
                            break;
                }
            }
        }
    }
}

TEST_F(ClassicRulesTest, DrawThreeTurnsThreeCardsAndLimitedTurnBacksRunOut)
{
    GameRecord r = *classicRecord(QStringLiteral("Klondike by Threes"));
    r.redeals = 1;
    DealtGame d = dealtGame(gamesOf(r), 9, false);
    Position p = d.position;
    const int stock = PileIndex::kStock;
    const int waste = PileIndex::kWaste;
    const CardCode third = p.at(stock, p.size(stock) - 3);
    apply(p, d.rules, Move::turnStock());
    EXPECT_EQ(p.size(waste), 3);
    // The third card from the stock's top lands on top, face up.
    EXPECT_EQ(p.top(waste), CardCode(third & ~kFaceDownFlag));
    while (!p.isEmpty(stock))
        apply(p, d.rules, Move::turnStock());
    EXPECT_EQ(p.size(waste), 24);
    ASSERT_TRUE(isLegal(p, d.rules, Move::turnWasteBack()));
    const Position beforeTurnBack = p;
    const Applied a = apply(p, d.rules, Move::turnWasteBack());
    EXPECT_EQ(p.turnBacksLeft, 0);
    while (!p.isEmpty(stock))
        apply(p, d.rules, Move::turnStock());
    EXPECT_FALSE(isLegal(p, d.rules, Move::turnWasteBack()));
    MoveList list;
    legalMoves(p, d.rules, list);
    EXPECT_TRUE(std::none_of(list.begin(), list.end(), [](const Move &m) { return m.kind == MoveKind::TurnWasteBack; }));
    // Undoing the turn-back gives it back.
    Position undone = beforeTurnBack;
    const Applied again = apply(undone, d.rules, Move::turnWasteBack());
    undo(undone, again);
    EXPECT_EQ(undone, beforeTurnBack);
    EXPECT_TRUE(a.usedTurnBack);
}

TEST_F(ClassicRulesTest, FreeCellRunsAreLimitedByCellsAndSpaces)
{
    GameRecord r = *classicRecord(QStringLiteral("FreeCell"));
    const cGames games = gamesOf(r);
    DealtGame d = dealtGame(games, 1, false);
    Position p = Position::empty(8, 0, 4);
    p.turnBacksLeft = d.rules.turnBacks;
    // A six-card run on pile 0, a black 7 waiting on pile 1, the rest aside.
    const int hearts = 0, spades = 1;
    for (int rank = 6; rank >= 1; --rank)
        p.push(0, cardCode(rank % 2 == 0 ? hearts : spades, rank - 1));
    p.push(1, cardCode(spades, 6));
    EXPECT_GE(runLimit(p, d.rules, false), 6); // 4 cells and 6 spaces carry the whole run
    // Fill three cells and every space but one: (1 + 1) * 2 = 4 onto cards.
    p.push(PileIndex::cell(0), cardCode(2, 12));
    p.push(PileIndex::cell(1), cardCode(3, 12));
    p.push(PileIndex::cell(2), cardCode(2, 11));
    for (int t = 2; t < 7; ++t)
        p.push(t, cardCode(3, 5 + t));
    EXPECT_EQ(runLimit(p, d.rules, false), 4);
    EXPECT_EQ(runLimit(p, d.rules, true), 2);
    // The whole six-card run may not move onto the 7; four of it may.
    const Move whole = Move::card({SourceKind::Tableau, 0, 0}, {TargetKind::Tableau, 1});
    EXPECT_FALSE(isLegal(p, d.rules, whole));
}

} // namespace
