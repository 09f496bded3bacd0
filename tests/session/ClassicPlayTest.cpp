// The classics played through the game driver: cells, the reserve, draw
// three and limited turn-backs on the table, in the log, in undo and redo,
// checked against the engine's own moves.
#include "TestSupport.h"

#include "cli/PlayActions.h"
#include "engine/PositionOfTable.h"
#include "rules/ClassicGames.h"
#include "session/CardNames.h"
#include "session/Commands.h"
#include "session/GameSave.h"
#include "session/Input.h"
#include "session/Lifecycle.h"
#include "session/KeyboardPlay.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <map>
#include <random>

using namespace cardova;
using namespace cardova::test;

namespace {

struct NamedRecord {
    QString name;
    GameRecord record;
};

GameRecord withRedeals(GameRecord r, int16_t redeals)
{
    r.redeals = redeals;
    return r;
}

// Every classic, and Klondike turned three or one at a time with the
// waste's turn-backs limited, which no classic has.
std::vector<NamedRecord> gamesToPlay()
{
    std::vector<NamedRecord> games;
    for (const ClassicGame &g : classicGames())
        games.push_back({QString::fromLatin1(g.name), g.record});
    const GameRecord threes = *classicRecord(QStringLiteral("Klondike by Threes"));
    games.push_back({QStringLiteral("Threes Once"), withRedeals(threes, 1)});
    GameRecord once = threes;
    once.draw = 1;
    games.push_back({QStringLiteral("One Pass"), withRedeals(once, 0)});
    return games;
}

// The log records one undo step of the driver makes.
int recordsOf(const Applied &a)
{
    return a.move.kind == MoveKind::Card ? 1 + int(a.filledSpace) : int(a.count);
}

// What random play met, so a run that missed a rule is noticed.
struct Seen {
    int cellMoves = 0, reserveMoves = 0, fills = 0, uncoveredReserve = 0, multiTurns = 0, turnBacks = 0,
        refusedTurnBacks = 0, undos = 0, redos = 0;
};

class ClassicPlayTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->animate = false;
    }
    void startGame(const NamedRecord &g, double number)
    {
        ASSERT_EQ(ctx->custom.SaveGame(g.name, g.record), QString());
        start(g.name, number);
    }
    void startClassic(const char *name, double number)
    {
        startGame({QString::fromLatin1(name), *classicRecord(QString::fromLatin1(name))}, number);
    }
    Position position() const
    {
        const Rules rules = currentRules(*ctx);
        return currentPosition(*ctx, rules);
    }
    // Every card lies in exactly one slot, where its sprite says, and the
    // table has all 52.
    QString tableFaults() const
    {
        if (const QString problem = tableProblems(*ctx); !problem.isEmpty())
            return problem;
        const Position p = position();
        return p.cardCount() == kDeckSize ? QString() : QStringLiteral("%1 cards on the table").arg(p.cardCount());
    }
    bool autoplays() const { return ctx->data.Autoplay() != 0 && ctx->games.DisAutoPlay() != kAutoPlayDisabled; }
    void randomPlay(const NamedRecord &g, double number, bool autoplay, std::mt19937 &rng, Seen &seen);
};

// Random moves, undos and redos through the driver. After every step the
// table holds every card once and reads as the position the engine's own
// apply() reaches with the same moves (the turn-backs left included), at
// every undo step the log passes.
void ClassicPlayTest::randomPlay(const NamedRecord &g, double number, bool autoplay, std::mt19937 &rng, Seen &seen)
{
    ctx->data.SetAutoplay(autoplay ? 1 : 0);
    startGame(g, number);
    const Rules rules = currentRules(*ctx);
    const std::string where = g.name.toStdString() + " deal " + std::to_string(number) +
                              (autoplay ? " autoplay" : " no autoplay");
    std::map<int, Position> known{{ctx->trans->TransPos, position()}};
    const int firstPos = ctx->trans->TransPos;
    MoveList list;
    for (int step = 0; step < 120; ++step) {
        const int dice = int(rng() % 100);
        if (dice < 12 || dice >= 96) {
            const bool back = dice < 12;
            const bool moved = back ? CmdUndo(*ctx) : CmdRedo(*ctx);
            (back ? seen.undos : seen.redos) += moved;
            ASSERT_EQ(tableFaults(), QString()) << where << " step " << step;
            const auto expected = known.find(ctx->trans->TransPos);
            if (ctx->trans->TransPos >= firstPos) {
                ASSERT_NE(expected, known.end()) << where << " step " << step << ": undo stopped inside a move";
                ASSERT_EQ(position(), expected->second) << where << " step " << step << "\n" << position().text();
            }
            continue;
        }
        Position model = position();
        known.erase(known.upper_bound(ctx->trans->TransPos), known.end());
        if (const auto it = known.find(ctx->trans->TransPos); it != known.end()) {
            ASSERT_EQ(model, it->second) << where;
        }
        legalMoves(model, rules, list);
        if (list.empty())
            break;
        const Move m = list[int(rng() % unsigned(list.size()))];
        int logPos = ctx->trans->TransPos;
        ASSERT_TRUE(playMove(*ctx, m)) << where << " step " << step << ": a legal move refused";
        // The same move in the engine alone, each undo step's position kept.
        Applied a = apply(model, rules, m);
        seen.cellMoves += m.kind == MoveKind::Card && (m.source.kind == SourceKind::Cell || m.target.kind == TargetKind::Cell);
        seen.reserveMoves += m.kind == MoveKind::Card && m.source.kind == SourceKind::Reserve;
        seen.uncoveredReserve += a.uncovered && m.source.kind == SourceKind::Reserve;
        seen.multiTurns += m.kind == MoveKind::TurnStock && a.count > 1;
        seen.turnBacks += a.usedTurnBack;
        for (;;) {
            seen.fills += a.filledSpace;
            logPos += recordsOf(a);
            known[logPos] = model;
            const auto next = autoplays() ? autoPlayStep(model, rules) : std::nullopt;
            if (!next)
                break;
            a = apply(model, rules, *next);
        }
        ASSERT_EQ(ctx->trans->TransPos, logPos) << where << " step " << step;
        ASSERT_EQ(tableFaults(), QString()) << where << " step " << step;
        ASSERT_EQ(position(), model) << where << " step " << step << " " << actionText(m).toStdString() << "\n"
                                     << position().text() << "\n" << model.text();
        if (model.turnBacksLeft == 0 && model.isEmpty(PileIndex::kStock) && !model.isEmpty(PileIndex::kWaste)) {
            seen.refusedTurnBacks += 1;
            ASSERT_FALSE(playMove(*ctx, Move::turnWasteBack())) << where;
            ASSERT_EQ(ctx->trans->TransPos, logPos) << where;
        }
    }
}

TEST_F(ClassicPlayTest, RandomPlayKeepsTheTableEqualToTheEnginesMovesThroughUndoAndRedo)
{
    std::mt19937 rng(2026);
    Seen seen;
    for (const NamedRecord &g : gamesToPlay())
        for (bool autoplay : {false, true})
            for (double number : {3.0, 11.0, 40.0}) {
                randomPlay(g, number, autoplay, rng, seen);
                if (HasFatalFailure())
                    return;
            }
    // The run met every rule it is meant to check.
    EXPECT_GT(seen.cellMoves, 0);
    EXPECT_GT(seen.reserveMoves, 0);
    EXPECT_GT(seen.uncoveredReserve, 0);
    EXPECT_GT(seen.fills, 0);
    EXPECT_GT(seen.multiTurns, 0);
    EXPECT_GT(seen.turnBacks, 0);
    EXPECT_GT(seen.refusedTurnBacks, 0);
    EXPECT_GT(seen.undos, 0);
    EXPECT_GT(seen.redos, 0);
}

TEST_F(ClassicPlayTest, ATurnOfThreeIsOneUndoStepAndTheLastTurnBackIsRefusedUntilUndone)
{
    ctx->data.SetAutoplay(0);
    startGame({QStringLiteral("Threes Once"), withRedeals(*classicRecord(QStringLiteral("Klondike by Threes")), 1)},
              5);
    ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    EXPECT_EQ(ctx->trans->TransPos, 3);
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), 2);
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(ctx->trans->TransPos, 0);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), 23);
    ASSERT_TRUE(CmdRedo(*ctx));
    EXPECT_EQ(ctx->trans->TransPos, 3);

    const auto passStock = [&] {
        while (ctx->table.GetTop(kStock, 0) >= 0)
            ASSERT_TRUE(playMove(*ctx, Move::turnStock()));
    };
    passStock();
    ASSERT_TRUE(playMove(*ctx, stockClick(*ctx))); // the one turn-back
    EXPECT_EQ(position().turnBacksLeft, 0);
    passStock();
    const int pos = ctx->trans->TransPos;
    EXPECT_FALSE(playMove(*ctx, stockClick(*ctx)));
    EXPECT_EQ(ctx->trans->TransPos, pos);
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), -1);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->markers.Stock.Picture, kMarkerEmptyStock); // the marker says nothing is left to turn

    // Undoing back over the turn-back gives it back.
    while (ctx->table.GetTop(kStock, 0) < 23 || ctx->table.GetTop(kWaste, 0) >= 0)
        ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(ctx->table.GetTop(kStock, 0), -1);
    EXPECT_EQ(position().turnBacksLeft, 1);
    UpdateCounters(*ctx);
    EXPECT_EQ(ctx->markers.Stock.Picture, kMarkerRecycle);
    EXPECT_TRUE(playMove(*ctx, stockClick(*ctx)));
}

TEST_F(ClassicPlayTest, TakingTheReservesTopTurnsUpTheNextAndUndoTurnsItDown)
{
    ctx->data.SetAutoplay(0);
    // A deal whose reserve top may go somewhere at once.
    std::optional<Move> fromReserve;
    MoveList list;
    for (double number = 1; number < 60 && !fromReserve; ++number) {
        startClassic("Canfield", number);
        legalMoves(position(), currentRules(*ctx), list);
        for (const Move &m : list)
            if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Reserve)
                fromReserve = m;
    }
    ASSERT_TRUE(fromReserve);
    EXPECT_TRUE(ctx->markers.Stock.Visible);
    const int16_t top = ctx->table.GetTopPicID(kReserve, 0);
    const int16_t below = ctx->table.GetPicID(kReserve, 0, ctx->table.GetTop(kReserve, 0) - 1);
    ASSERT_EQ(ctx->cards[size_t(below)].FaceMode, kFaceDown);
    EXPECT_EQ(sourceOf(*ctx, top), fromReserve->source);
    ASSERT_TRUE(playMove(*ctx, *fromReserve));
    EXPECT_EQ(ctx->cards[size_t(below)].FaceMode, kFaceUp);
    EXPECT_EQ(ctx->trans->record(ctx->trans->TransPos).tMod, kModeUncover);
    EXPECT_EQ(ctx->trans->CreateLV().back().source, QStringLiteral("Reserve (Pile 1, Card 13)"));
    ASSERT_TRUE(CmdUndo(*ctx));
    EXPECT_EQ(ctx->cards[size_t(below)].FaceMode, kFaceDown);
    EXPECT_EQ(ctx->table.GetTopPicID(kReserve, 0), top);
    EXPECT_EQ(tableFaults(), QString());
}

TEST_F(ClassicPlayTest, AnEmptiedPileTakesTheReservesTopInTheSameUndoStep)
{
    ctx->data.SetAutoplay(0);
    // Each of the four piles holds one card: a deal where one goes onto
    // another or home, and the reserve fills the space at once.
    MoveList list;
    std::optional<Move> emptying;
    for (double number = 1; number < 60 && !emptying; ++number) {
        startClassic("Canfield", number);
        legalMoves(position(), currentRules(*ctx), list);
        for (const Move &m : list)
            if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Tableau && m.source.pos == 0)
                emptying = m;
    }
    ASSERT_TRUE(emptying);
    const int16_t reserveTop = ctx->table.GetTopPicID(kReserve, 0);
    const int reserveCards = ctx->table.GetTop(kReserve, 0) + 1;
    const int pos = ctx->trans->TransPos;
    ASSERT_TRUE(playMove(*ctx, *emptying));
    EXPECT_EQ(ctx->trans->TransPos, pos + 2);
    EXPECT_EQ(ctx->table.GetPicID(kTableau, emptying->source.pile, 0), reserveTop);
    EXPECT_EQ(ctx->table.GetTop(kReserve, 0) + 1, reserveCards - 1);
    EXPECT_EQ(ctx->cards[size_t(ctx->table.GetTopPicID(kReserve, 0))].FaceMode, kFaceUp);
    ASSERT_TRUE(CmdUndo(*ctx)); // the move and the fill go back together
    EXPECT_EQ(ctx->trans->TransPos, pos);
    EXPECT_EQ(ctx->table.GetTopPicID(kReserve, 0), reserveTop);
    EXPECT_EQ(ctx->table.GetTop(kReserve, 0) + 1, reserveCards);
    EXPECT_EQ(tableFaults(), QString());
}

TEST_F(ClassicPlayTest, CellsArePickedUpAndDroppedOnByMouseKeyboardAndCommandLine)
{
    ctx->data.SetAutoplay(0);
    startClassic("FreeCell", 7);
    EXPECT_FALSE(ctx->markers.Stock.Visible); // a game without a stock shows no stock marker
    // The mouse: the top of pile 0 released over cell 2.
    const int16_t card = ctx->table.GetTopPicID(kTableau, 0);
    const auto drop = dropMove(*ctx, card, ctx->games.GetCordX(kFreeCell, 2, 0), ctx->games.GetCordY(kFreeCell, 2, 0));
    ASSERT_TRUE(drop);
    EXPECT_EQ(drop->target, (Target{TargetKind::Cell, 2}));
    PickCard(*ctx, card);
    EXPECT_TRUE(ctx->input.Dragging);
    ctx->input.Dragging = false;
    ASSERT_TRUE(playMove(*ctx, *drop));
    EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 2), card);
    EXPECT_EQ(ctx->trans->CreateLV().back().destination, QStringLiteral("Cell (Pile 3, Card 1)"));
    PickCard(*ctx, card);
    EXPECT_TRUE(ctx->input.Dragging);
    ctx->input.Dragging = false;
    EXPECT_EQ(sourceOf(*ctx, card), (Source{SourceKind::Cell, 2, 0}));

    // The keyboard walks the cells first (the game has no stock or waste),
    // then the foundations and the tableau, and round again to the cells.
    KeyboardPlay keys(*ctx);
    const int cells = ctx->games.Piles(kFreeCell), firstPile = cells + kFoundationPiles;
    const int spots = firstPile + ctx->games.Piles(kTableau);
    for (int i = 0; i < firstPile + 1; ++i)
        keys.right();
    const int16_t second = keys.cardUnderCursor();
    ASSERT_EQ(second, ctx->table.GetTopPicID(kTableau, 1));
    keys.select();
    ASSERT_TRUE(keys.held());
    for (int i = firstPile + 1; i < spots; ++i)
        keys.right();
    EXPECT_EQ(keys.cursor(), (KeyboardPlay::Cursor{KeyboardPlay::Spot::Cell, 0, -1}));
    EXPECT_TRUE(keys.select());
    EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 0), second);
    keys.right();
    keys.right();
    EXPECT_EQ(keys.cursor(), (KeyboardPlay::Cursor{KeyboardPlay::Spot::Cell, 2, -1}));
    EXPECT_EQ(keys.cardUnderCursor(), card);
    EXPECT_TRUE(keys.describe().endsWith(QStringLiteral(", Cell 3")));
    keys.select();
    EXPECT_EQ(keys.held(), (Source{SourceKind::Cell, 2, 0}));
    keys.right(); // cell 3, free: a cell's card stays in its cell
    EXPECT_FALSE(keys.select());
    EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 2), card);

    // The command line: a cell as a source, in a deal where a tableau top
    // put in a cell may go on to another pile.
    MoveList list;
    std::optional<Move> fromCell;
    for (double number = 1; number < 40 && !fromCell; ++number) {
        startClassic("FreeCell", number);
        for (uint8_t pile = 0; pile < 8 && !fromCell; ++pile) {
            const uint8_t top = uint8_t(ctx->table.GetTop(kTableau, pile));
            ASSERT_TRUE(playMove(*ctx, Move::card({SourceKind::Tableau, pile, top}, {TargetKind::Cell, 0})));
            legalMoves(position(), currentRules(*ctx), list);
            for (const Move &m : list)
                if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Cell && m.target.kind == TargetKind::Tableau)
                    fromCell = m;
            if (!fromCell) {
                ASSERT_TRUE(CmdUndo(*ctx));
            }
        }
    }
    ASSERT_TRUE(fromCell) << position().text();
    const int16_t leaving = ctx->table.GetTopPicID(kFreeCell, fromCell->source.pile);
    const auto action = parsePlayAction(actionText(*fromCell));
    ASSERT_TRUE(action);
    EXPECT_TRUE(performPlayAction(*ctx, *action));
    EXPECT_NE(ctx->cards[size_t(leaving)].Cell, kFreeCell);
    EXPECT_FALSE(performPlayAction(*ctx, *parsePlayAction(QStringLiteral("c7>t0")))); // FreeCell has four cells
    EXPECT_EQ(actionText(Move::card({SourceKind::Cell, 1, 0}, {TargetKind::Cell, 3})), QStringLiteral("c1>c3"));
    EXPECT_EQ(actionText(Move::card({SourceKind::Reserve, 0, 0}, {TargetKind::Tableau, 2})), QStringLiteral("r>t2"));
    EXPECT_FALSE(parsePlayAction(QStringLiteral("c8>t0")));
    EXPECT_FALSE(parsePlayAction(QStringLiteral("t0:0>c9")));
    EXPECT_EQ(tableFaults(), QString());
}

TEST_F(ClassicPlayTest, KeptClassicGamesAreContinuedAsTheyWereLeft)
{
    std::mt19937 rng(7);
    for (const char *name : {"Canfield", "FreeCell", "Yukon"}) {
        ctx->data.setIntSetting(IntKey::ContinueGame, 1);
        ctx->data.SetAutoplay(1);
        startClassic(name, 12);
        MoveList list;
        for (int step = 0; step < 60; ++step) {
            legalMoves(position(), currentRules(*ctx), list);
            if (list.empty())
                break;
            playMove(*ctx, list[int(rng() % unsigned(list.size()))]);
        }
        CmdUndo(*ctx);
        const Position before = position();
        const int pos = ctx->trans->TransPos, top = ctx->trans->TransTop;
        ASSERT_EQ(writeSavedGame(*ctx), QString()) << name;
        auto next = reopen();
        next->animate = false;
        const ContinueResult result = continueSavedGame(*next);
        ASSERT_EQ(result.kind, ContinueResult::Kind::Continued) << name << ": " << result.message.toStdString();
        EXPECT_EQ(next->trans->TransPos, pos) << name;
        EXPECT_EQ(next->trans->TransTop, top) << name;
        const Rules rules = currentRules(*next);
        EXPECT_EQ(currentPosition(*next, rules), before) << name;
        if (top > pos) {
            ASSERT_TRUE(CmdRedo(*next));
            ASSERT_TRUE(CmdRedo(*ctx));
            EXPECT_EQ(currentPosition(*next, rules), position()) << name;
        }
        next.reset();
    }
}

} // namespace
