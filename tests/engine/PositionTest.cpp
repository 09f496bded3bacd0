#include "TestSupport.h"
#include "SortedMoves.h"

#include "session/Input.h"
#include "session/MoveDriver.h"
#include "engine/MoveRules.h"
#include "engine/Moves.h"
#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "rules/StandardGames.h"
#include "solver/Transition.h"

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

using namespace cardova;
using namespace cardova::test;

namespace {


std::string moveText(const Move &m)
{
    if (m.kind == MoveKind::TurnStock)
        return "stock";
    if (m.kind == MoveKind::TurnWasteBack)
        return "waste back";
    const char *from[] = {"T", "W", "F"};
    const char *to[] = {"T", "F"};
    return std::string(from[int(m.source.kind)]) + std::to_string(m.source.pile) + ":" +
           std::to_string(m.source.pos) + ">" + to[int(m.target.kind)] + std::to_string(m.target.pile);
}

std::string listText(const std::vector<Move> &moves)
{
    std::string s;
    for (const Move &m : moves)
        s += moveText(m) + " ";
    return s;
}

// A pile in the table helpers' notation: "QH*" for a face-down card.
QString starredText(const Position &p, int pile)
{
    QStringList cards;
    for (int pos = 0; pos < p.size(pile); ++pos) {
        const CardCode c = p.at(pile, pos);
        QString text = QString::fromStdString(cardText(c)).toUpper();
        if (isFaceDown(c))
            text += QLatin1Char('*');
        cards << text;
    }
    return cards.join(QLatin1Char(' '));
}

// Designed games covering what the built-in ones leave out: runs off, wrap,
// "Any Card" spaces and orders, every other building order, other bases
// and started foundations.
struct Designed {
    const char *name;
    const char *record; // gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti
};
const Designed kDesigned[] = {
    {"Runs Off", "0,0,0,4,13,7,0,0"},
    {"Wrapped", "1,5,2,8,13,9,1,1"},
    {"Any Space", "3,13,4,6,13,4,0,1"},
    {"King Spaces", "2,12,0,9,12,8,1,1"},
    {"Queen Base", "5,11,1,7,0,5,1,1"},
    {"Colour Home", "4,12,3,0,5,6,0,1"},
    {"Colour Up", "1,0,0,1,12,7,0,1"},
    {"Up Any", "2,0,0,2,13,7,1,1"},
    {"Down Any", "0,0,0,5,13,7,0,1"},
};

class PositionTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->animate = false;
    }

    void startDesigned(const Designed &d)
    {
        writeFile(QString::fromLatin1(d.name) + QStringLiteral(".gam"),
                  QByteArray(d.record) + "\r\n");
        ctx->custom.Init();
        start(QString::fromLatin1(d.name), 7);
    }

    Rules rules() const { return rulesOfGame(ctx->games, ctx->table.BaseNum); }
    Position position() const { return positionOfTable(ctx->table, ctx->cards, rules()); }

    // The placement rules read off the table's own arrays and cards: a pile
    // never takes its own cards, a space takes the game's space rank (or any
    // card), a full foundation takes nothing more from the player.
    bool tableauTakes(int16_t b, const cCard &c) const
    {
        if (c.Cell == kTableau && c.Pile == b)
            return false;
        const int16_t top = ctx->table.GetTop(kTableau, b);
        if (top < 0)
            return ctx->games.EmptyNum() == kAnyRank || c.Num == ctx->games.EmptyNum();
        return FitsOrder(ctx->cards[size_t(ctx->table.GetTopPicID(kTableau, b))], c, ctx->games.Order(kTableau),
                         ctx->games.AK(kTableau) != 0);
    }
    bool foundationTakes(int16_t g, const cCard &c) const
    {
        if (c.Cell == kFoundation && c.Pile == g)
            return false;
        const int16_t top = ctx->table.GetTop(kFoundation, g);
        if (top < 0)
            return c.Num == ctx->table.BaseNum;
        if (top == kRanks - 1)
            return false;
        return FitsOrder(ctx->cards[size_t(ctx->table.GetTopPicID(kFoundation, g))], c,
                         ctx->games.Order(kFoundation), ctx->games.AK(kFoundation) != 0);
    }

    // Every source tried on every target through the engine's picking rules
    // and the placement rules above. Only a foundation's top card can be grabbed: the
    // cards below it lie hidden under it.
    std::vector<Move> bruteForce()
    {
        std::vector<Move> moves;
        for (int16_t id = 0; id < kDeckSize; ++id) {
            const cCard c = ctx->cards[size_t(id)];
            if (ctx->table.GetPicID(c.Cell, c.Pile, c.Pos) != id)
                continue;
            Source s{SourceKind::Tableau, uint8_t(c.Pile), uint8_t(c.Pos)};
            if (c.Cell == kWaste)
                s = {SourceKind::Waste, 0, 0};
            else if (c.Cell == kFoundation && c.Pos == ctx->table.GetTop(kFoundation, c.Pile))
                s = {SourceKind::Foundation, uint8_t(c.Pile), uint8_t(c.Pos)};
            else if (c.Cell != kTableau)
                continue;
            ctx->input = InputState{};
            PickCard(*ctx, id);
            const InputState picked = ctx->input;
            ctx->input = InputState{};
            if (!picked.Dragging)
                continue;
            for (int16_t b = 0; b < ctx->games.Piles(kTableau); ++b)
                if (tableauTakes(b, c))
                    moves.push_back(Move::card(s, {TargetKind::Tableau, uint8_t(b)}));
            for (int16_t g = 0; g < kFoundationPiles && picked.DragCount == 0; ++g)
                if (foundationTakes(g, c))
                    moves.push_back(Move::card(s, {TargetKind::Foundation, uint8_t(g)}));
        }
        if (ctx->table.GetTop(kStock, 0) >= 0)
            moves.push_back(Move::turnStock());
        if (ctx->games.StockNum() == 2 && ctx->table.GetTop(kWaste, 0) >= 0)
            moves.push_back(Move::turnWasteBack());
        return moves;
    }

    // Plays a move on the engine's table the way a drop, a stock click or
    // the stock marker does.
    void play(const Move &m)
    {
        if (m.kind == MoveKind::TurnStock) {
            AddtoWaste(*ctx, ctx->table.GetTopPicID(kStock, 0));
            return;
        }
        if (m.kind == MoveKind::TurnWasteBack) {
            while (ctx->table.GetTop(kWaste, 0) >= 0)
                MoveWasteStock(*ctx);
            return;
        }
        const int16_t cell = m.source.kind == SourceKind::Tableau ? kTableau
                             : m.source.kind == SourceKind::Waste ? kWaste
                                                                  : kFoundation;
        // A waste move names no position: it takes the waste's top card.
        const int16_t pos = cell == kWaste ? ctx->table.GetTop(kWaste, 0) : int16_t(m.source.pos);
        const int16_t id = ctx->table.GetPicID(cell, m.source.pile, pos);
        const int16_t riders = int16_t(ctx->table.GetTop(cell, m.source.pile) - pos);
        const int16_t dCell = m.target.kind == TargetKind::Tableau ? kTableau : kFoundation;
        int32_t mode = kModePlay;
        MoveCard(*ctx, id, dCell, m.target.pile, int16_t(ctx->table.GetTop(dCell, m.target.pile) + 1), mode, 0,
                 cell == kTableau ? riders : int16_t(0), 0);
    }

    // What the table should hold after a move: the move, then automatic
    // play to its end (turning the waste back starts none).
    // The solver's idea of a turn: the move, then automatic play.
    Position expectedAfter(Position p, const Move &m)
    {
        playTurn(p, rules(), m, autoplayFollows(*ctx));
        return p;
    }

    // Every move that names a pile of the table, the nonsense ones included:
    // isLegal must say yes exactly to the listed ones.
    void expectIsLegalAgrees(const Position &p, const std::vector<Move> &listed)
    {
        std::vector<Source> sources{{SourceKind::Waste, 0, 0}, {SourceKind::Waste, 0, 1}};
        for (uint8_t t = 0; t < kMaxTableauPiles; ++t)
            for (uint8_t pos = 0; pos <= p.size(t); ++pos)
                sources.push_back({SourceKind::Tableau, t, pos});
        for (uint8_t g = 0; g < kFoundationPiles; ++g)
            for (int pos : {p.size(PileIndex::foundation(g)) - 1, 0})
                sources.push_back({SourceKind::Foundation, g, uint8_t(std::max(0, pos))});
        std::vector<Move> all{Move::turnStock(), Move::turnWasteBack()};
        for (const Source &s : sources) {
            for (uint8_t b = 0; b < kMaxTableauPiles; ++b)
                all.push_back(Move::card(s, {TargetKind::Tableau, b}));
            for (uint8_t g = 0; g < kFoundationPiles; ++g)
                all.push_back(Move::card(s, {TargetKind::Foundation, g}));
        }
        for (const Move &m : all) {
            const bool inList = std::find(listed.begin(), listed.end(), m) != listed.end();
            ASSERT_EQ(isLegal(p, rules(), m), inList) << moveText(m) << " in\n" << p.text();
        }
    }

    // Random play on the engine; at every step the move list must match the
    // brute force and the position after the move must match apply plus
    // automatic play.
    void randomWalk(std::mt19937 &rng, int steps)
    {
        for (int step = 0; step < steps && ctx->GameRunning() && ctx->tableLive(); ++step) {
            const Position before = position();
            MoveList list;
            legalMoves(before, rules(), list);
            const std::vector<Move> expected = sorted(bruteForce());
            const std::vector<Move> actual = sorted({list.begin(), list.end()});
            ASSERT_EQ(listText(actual), listText(expected)) << before.text();
            expectIsLegalAgrees(before, actual);
            if (HasFatalFailure())
                return;
            if (expected.empty())
                return;
            const Move m = expected[std::uniform_int_distribution<size_t>(0, expected.size() - 1)(rng)];
            const Position after = expectedAfter(before, m);
            play(m);
            if (!ctx->tableLive())
                return; // a won game leaves the table
            ASSERT_EQ(position().text(), after.text()) << "after " << moveText(m) << " from\n" << before.text();
            ASSERT_TRUE(position() == after);
        }
    }
};

TEST_F(PositionTest, TextAndHashOfAKlondikeDeal)
{
    ctx->data.SetAutoplay(0);
    start(QStringLiteral("Klondike"), 1);
    const Position p = position();
    EXPECT_EQ(p.text(), "Tableau 1: KC\n"
                        "Tableau 2: jc 6D\n"
                        "Tableau 3: 2c 7c 7S\n"
                        "Tableau 4: td ad 9c TC\n"
                        "Tableau 5: 8d 3d jh 2h AS\n"
                        "Tableau 6: qd 2d 5s 3s ac 6C\n"
                        "Tableau 7: th 9d jd js 4d 5h KH\n"
                        "Stock: 8s 3h 6h qs qc 7h 6s 2s 5c qh 5d 3c 4c 4s ks 9h 9s 8h ts ah kd 7d 8c 4h\n"
                        "Waste:\n"
                        "Foundation 1:\n"
                        "Foundation 2:\n"
                        "Foundation 3:\n"
                        "Foundation 4:\n");
    // The same piles as the table helpers read them ("QH*" for face down).
    for (int t = 0; t < 7; ++t)
        EXPECT_EQ(starredText(p, t), pileText(*ctx, kTableau, t));
    EXPECT_EQ(starredText(p, PileIndex::kStock), pileText(*ctx, kStock, 0));
    EXPECT_EQ(p.cardCount(), kDeckSize);
    for (int t = 0; t < 7; ++t) {
        ASSERT_EQ(p.size(t), t + 1);
        for (int pos = 0; pos <= t; ++pos)
            EXPECT_EQ(isFaceDown(p.at(t, pos)), pos < t) << t << ":" << pos;
    }
    // The hash is part of stored data: it must not change between runs.
    EXPECT_EQ(p.hash(), 17064564152833145660ull);
    Position copy = p;
    EXPECT_TRUE(copy == p);
    EXPECT_EQ(copy.hash(), p.hash());
    copy.at(0, 0) = CardCode(copy.at(0, 0) | kFaceDownFlag);
    EXPECT_FALSE(copy == p);
    EXPECT_NE(copy.hash(), p.hash());
}

// The building orders written out code by code from their definitions,
// apart from the engine's tables: a rank step in the order's direction
// (with wrap, King to Ace going up and Ace to King going down), then the
// suit or colour condition.
bool orderAllows(int lower, int upper, OrderCode order, bool wrap)
{
    const int l = lower % 13, u = upper % 13; // ranks: 0 Ace ... 12 King
    const int lowerSuit = lower / 13, upperSuit = upper / 13;
    auto red = [](int suit) { return suit == kHearts || suit == kDiamonds; };
    const bool oneUp = u == l + 1 || (wrap && l == 12 && u == 0);
    const bool oneDown = l == u + 1 || (wrap && l == 0 && u == 12);
    const bool sameSuit = lowerSuit == upperSuit;
    const bool otherColour = red(lowerSuit) != red(upperSuit);
    switch (order) {
    case OrderCode::UpSameSuit: return oneUp && sameSuit;
    case OrderCode::UpAlternateColor: return oneUp && otherColour;
    case OrderCode::UpRegardless: return oneUp;
    case OrderCode::DownSameSuit: return oneDown && sameSuit;
    case OrderCode::DownAlternateColor: return oneDown && otherColour;
    case OrderCode::DownRegardless: return oneDown;
    case OrderCode::AnyCard: return true;
    case OrderCode::UpOrDownSameSuit: return (oneUp || oneDown) && sameSuit;
    case OrderCode::UpOrDownAlternateColor: return (oneUp || oneDown) && otherColour;
    case OrderCode::UpOrDownRegardless: return oneUp || oneDown;
    }
    return false;
}

TEST_F(PositionTest, FitsOrderFollowsTheDefinitionOfEveryOrderForEveryPair)
{
    int fitting = 0;
    for (int order = 0; order <= int(OrderCode::UpOrDownRegardless); ++order)
        for (bool wrap : {false, true})
            for (int a = 0; a < kDeckSize; ++a)
                for (int b = 0; b < kDeckSize; ++b) {
                    cCard lower, upper;
                    lower.SetValue(int16_t(a / 13), int16_t(a % 13), 0);
                    upper.SetValue(int16_t(b / 13), int16_t(b % 13), 0);
                    const bool expected = orderAllows(a, b, OrderCode(order), wrap);
                    fitting += expected ? 1 : 0;
                    ASSERT_EQ(fitsOrder(cardCodeOf(lower), cardCodeOf(upper), OrderCode(order), wrap), expected)
                        << order << " " << wrap << " " << a << " " << b;
                    ASSERT_EQ(FitsOrder(lower, upper, order, wrap), expected)
                        << order << " " << wrap << " " << a << " " << b;
                }
    // Counted by hand: each of the 13 steps up is 4 x 4 card pairs, one in
    // four of the same suit, half of them of the other colour; wrap adds
    // one step each way; "Any Card" takes every pair.
    constexpr int kSteps = 12, kWrapped = 13;
    const int oneWay = 16 * (kSteps + kWrapped), sameSuit = 4 * (kSteps + kWrapped), otherColour = 8 * (kSteps + kWrapped);
    EXPECT_EQ(fitting, 2 * (oneWay + sameSuit + otherColour) + 2 * kDeckSize * kDeckSize +
                           2 * oneWay + 2 * sameSuit + 2 * otherColour);
}

TEST_F(PositionTest, RulesFollowTheLoadedGame)
{
    startDesigned(kDesigned[4]); // Queen Base: 5,11,1,7,0,5,1,1
    const Rules r = rules();
    EXPECT_EQ(r.foundationOrder, OrderCode::DownRegardless);
    EXPECT_EQ(r.baseRank, 11);
    EXPECT_TRUE(r.foundationWrap);
    EXPECT_EQ(r.tableauOrder, OrderCode::UpOrDownSameSuit);
    EXPECT_EQ(r.multiOrder, OrderCode::UpOrDownSameSuit);
    EXPECT_EQ(r.emptyRank, 0);
    EXPECT_EQ(r.tableauPiles, 5);
    EXPECT_TRUE(r.tableauWrap);
    EXPECT_TRUE(r.multiMove());
    EXPECT_TRUE(r.hasStock && r.hasWaste && r.wasteTurnsBack);
    startDesigned(kDesigned[0]); // Runs Off
    EXPECT_FALSE(rules().multiMove());
    EXPECT_EQ(rules().emptyRank, kAnyRank);
}

// Random play of every built-in game and the designed ones, with automatic
// play off and on: the move list matches the brute force at every step, and
// apply plus automatic play lands where the engine's table does.
TEST_F(PositionTest, MovesMatchTheEngineInRandomPlay)
{
    std::mt19937 rng(2024);
    auto run = [&](auto startGame) {
        for (int autoplay : {0, 1})
            for (int round = 0; round < 3; ++round) {
                ctx->data.SetAutoplay(int16_t(autoplay));
                startGame(round);
                SCOPED_TRACE(ctx->games.Tag().toStdString() + " autoplay " + std::to_string(autoplay));
                randomWalk(rng, 150);
                if (HasFatalFailure())
                    return;
            }
    };
    for (int id = 1; id <= kStandardGameCount; ++id) {
        SCOPED_TRACE(standardGameName(id).toStdString());
        run([&](int round) { start(standardGameName(id), 100 + round * 37); });
    }
    for (const Designed &d : kDesigned) {
        SCOPED_TRACE(d.name);
        run([&](int) { startDesigned(d); });
    }
}

// Laid positions at the edges of the rules: runs with multi-move off, a
// run broken below its top, face-down cards in an ordered run, "Any Card"
// and ranked spaces, a full foundation (refused to a drop), wrap.
TEST_F(PositionTest, MovesMatchTheEngineOnDesignedPositions)
{
    struct Case {
        Designed game;
        Layout layout;
    };
    const Case cases[] = {
        {{"Runs Off", "0,0,0,4,13,7,0,0"}, {{"KS QH JC", "QD", "", "8H 7C*"}, "5S", "9D", {"AH", "", "", ""}}},
        {{"Down", "0,0,0,4,13,7,0,1"}, {{"KS* QH JC TD", "KD QC JS 9H", "", "8H 7C* 6D"}, "5S", "9C", {"AH 2H", "AS", "", ""}}},
        {{"Kings", "0,0,0,4,12,5,0,1"}, {{"", "KC", "QD JS", "AD* 2C", ""}, "", "KH", {"", "", "", ""}}},
        {{"Any Order", "2,0,0,6,13,4,0,1"}, {{"3D 9S KH", "", "2C*", "AS"}, "4H", "", {"AH", "", "", ""}}},
        {{"Full", "2,5,0,9,13,6,1,1"},
         {{"6H", "KD AC 2C", "AD KH"}, "7C", "6C",
          {"6S 7S 8S 9S TS JS QS KS AS 2S 3S 4S 5S", "6D", "", ""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.game.name);
        startDesigned(c.game);
        lay(*ctx, c.layout);
        const Position p = position();
        MoveList list;
        legalMoves(p, rules(), list);
        EXPECT_EQ(listText(sorted({list.begin(), list.end()})), listText(sorted(bruteForce()))) << p.text();
        EXPECT_GT(list.size(), 2);
    }
}

// Random sequences of moves on positions of every game, taken back one by
// one, give back every position on the way exactly.
TEST_F(PositionTest, UndoGivesBackEveryPosition)
{
    std::mt19937 rng(77);
    auto check = [&] {
        const Rules r = rules();
        Position p = position();
        std::vector<Position> seen;
        std::vector<Applied> log;
        MoveList list;
        for (int i = 0; i < 200; ++i) {
            legalMoves(p, r, list);
            if (list.empty())
                break;
            seen.push_back(p);
            log.push_back(apply(p, r, list[std::uniform_int_distribution<int>(0, list.size() - 1)(rng)]));
            ASSERT_EQ(p.cardCount(), seen.back().cardCount());
        }
        while (!log.empty()) {
            undo(p, log.back());
            log.pop_back();
            ASSERT_EQ(p.text(), seen.back().text()) << "undoing step " << log.size();
            ASSERT_TRUE(p == seen.back());
            seen.pop_back();
        }
    };
    for (int id = 1; id <= kStandardGameCount; ++id) {
        start(standardGameName(id), 5);
        check();
    }
    for (const Designed &d : kDesigned) {
        startDesigned(d);
        check();
    }
}

// Automatic play after a stock turn, on positions where one card fits two
// foundations and where a pile and the waste both have a card to give.
TEST_F(PositionTest, AutoPlayKeepsTheEnginesScanOrder)
{
    writeFile(QStringLiteral("Upward.gam"), "2,0,0,4,13,7,0,1\r\n"); // foundations up regardless of suit
    ctx->custom.Init();
    ctx->data.SetAutoplay(1);
    start(QStringLiteral("Upward"), 1);
    struct Case {
        Layout layout;
        Move first;
    };
    const Case cases[] = {
        {{{"2H", "3C", "KD"}, "9S", "", {"AS", "AD", "", ""}},
         Move::card({SourceKind::Tableau, 0, 0}, {TargetKind::Foundation, 0})},
        {{{"KD", "2C", "QS"}, "2D", "", {"", "AS", "", ""}},
         Move::card({SourceKind::Tableau, 1, 0}, {TargetKind::Foundation, 1})},
        {{{"KD", "QS"}, "2D", "", {"", "AS", "AH", ""}},
         Move::card({SourceKind::Waste, 0, 0}, {TargetKind::Foundation, 1})},
    };
    for (const Case &c : cases) {
        lay(*ctx, c.layout);
        Position p = position();
        apply(p, rules(), Move::turnStock());
        const auto first = autoPlayStep(p, rules());
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(moveText(*first), moveText(c.first));
        const Position expected = expectedAfter(position(), Move::turnStock());
        play(Move::turnStock());
        EXPECT_EQ(position().text(), expected.text());
    }
}

// Automatic play does not ask whether a foundation is full (a drop does):
// in a wrapping game built regardless of suit it lays a fourteenth card.
TEST_F(PositionTest, AutoPlayDoesNotStopAtAFullFoundation)
{
    ctx->data.SetAutoplay(1);
    startDesigned({"Full", "2,5,0,9,13,6,1,1"});
    lay(*ctx, {{"6H", "KD"}, "9C", "", {"6S 7S 8S 9S TS JS QS KS AS 2S 3S 4S 5S", "", "", ""}});
    Position p = position();
    MoveList list;
    legalMoves(p, rules(), list);
    for (const Move &m : list)
        EXPECT_FALSE(m.kind == MoveKind::Card && (m.target == Target{TargetKind::Foundation, 0})) << moveText(m);
    apply(p, rules(), Move::turnStock());
    const auto first = autoPlayStep(p, rules());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(moveText(*first), "T0:0>F0");
    const Position expected = expectedAfter(position(), Move::turnStock());
    play(Move::turnStock());
    EXPECT_EQ(position().text(), expected.text());
    EXPECT_EQ(pileText(*ctx, kFoundation, 0).count(QLatin1Char(' ')), 13);
}

} // namespace
