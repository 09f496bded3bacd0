// Winning lines found on dealt games, played through the game's own driver.
#include "TestSupport.h"

#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "solver/LogRecords.h"
#include "solver/Solver.h"
#include "solver/Transition.h"

#include <algorithm>
#include <limits>

using namespace cardova;
using namespace cardova::test;

namespace {

// Designed games with what the built-in ones lack: foundations built
// regardless of suit or by colour, wrap, started foundations, spaces for
// any card or none but a Queen's.
struct Designed {
    const char *name;
    const char *record; // gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti
};
const Designed kDesigned[] = {
    {"Wrapped", "1,5,2,8,13,9,1,1"},
    {"Any Space", "3,13,4,6,13,4,0,1"},
    {"King Spaces", "2,12,0,9,12,8,1,1"},
    {"Queen Base", "5,11,1,7,0,5,1,1"},
};

class ReplayTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->animate = false;
    }

    SolveResult solveTable(uint64_t nodes)
    {
        const Rules rules = currentRules(*ctx);
        Budget budget = Budget::ofNodes(nodes);
        budget.tableBytes = std::size_t(8) << 20;
        budget.logRoom = lineLogRoom(*ctx);
        return solve(currentPosition(*ctx, rules), rules, autoplayFollows(*ctx), budget);
    }

    // Solves the game on the table within the room its log has left; a
    // winning line is played move by move with playMove, the table must
    // follow the solver's own idea of each turn, the log must grow by the
    // records the solver counted, and the game must end won. True if there
    // was a line to play.
    bool solveAndReplay(uint64_t nodes, std::vector<Move> *line = nullptr)
    {
        const Rules rules = currentRules(*ctx);
        Position expected = currentPosition(*ctx, rules);
        const bool autoplay = autoplayFollows(*ctx);
        const SolveResult r = solveTable(nodes);
        EXPECT_LE(r.nodes, nodes);
        if (line)
            *line = r.line;
        if (r.verdict != Verdict::Winnable)
            return false;
        const int winsBefore = win.opened;
        for (std::size_t i = 0; i < r.line.size(); ++i) {
            EXPECT_EQ(win.opened, winsBefore) << "won before the line's end, at move " << i;
            const Position before = expected;
            const int logged = ctx->trans->TransPos;
            if (!playMove(*ctx, r.line[i])) {
                ADD_FAILURE() << "move " << i << " refused at log position " << ctx->trans->TransPos << " in\n"
                              << expected.text();
                return true;
            }
            playTurn(expected, rules, r.line[i], autoplay);
            if (isWon(expected))
                break; // a won game leaves the table
            EXPECT_EQ(logRecordsOf(before, expected, Candidate{r.line[i], 0}).total, ctx->trans->TransPos - logged)
                << "log records of move " << i;
            if (!(currentPosition(*ctx, rules) == expected)) {
                ADD_FAILURE() << "after move " << i << " the table holds\n"
                              << currentPosition(*ctx, rules).text() << "instead of\n" << expected.text();
                return true;
            }
        }
        EXPECT_GT(win.opened, winsBefore);
        return true;
    }

    // Plays a line from the table's start and gives the room in the log it
    // needs: each action is taken only while the records the line logged
    // before it and its own fit (turning the waste back logs each card).
    int roomNeeded(const std::vector<Move> &line)
    {
        const int start = ctx->trans->TransPos;
        int need = 0;
        for (const Move &m : line) {
            const int own = m.kind == MoveKind::TurnWasteBack ? ctx->table.GetTop(kWaste, 0) + 1 : 1;
            need = std::max(need, ctx->trans->TransPos - start + own);
            EXPECT_TRUE(playMove(*ctx, m));
        }
        return need;
    }

    // Fills the log with stand-in records, as a long game would have, so
    // that lines may log this many records from here.
    void leaveLogRoom(int room)
    {
        const int pos = ctx->trans->TransPos + lineLogRoom(*ctx) - room;
        ctx->trans->loadRecords(std::vector<TransRecord>(size_t(pos)), int16_t(pos));
        ASSERT_EQ(lineLogRoom(*ctx), room);
    }

    void startDesigned(const Designed &d, double number)
    {
        writeFile(QString::fromLatin1(d.name) + QStringLiteral(".gam"), QByteArray(d.record) + "\r\n");
        ctx->custom.Init();
        start(QString::fromLatin1(d.name), number);
    }
};

TEST_F(ReplayTest, BuiltInGamesWinThroughTheDriver)
{
    for (const char *game : {"Klondike", "Klondike Plus", "Lawn"}) {
        int lines = 0;
        for (int autoplay : {0, 1})
            for (int number : {3, 17, 101, 2024}) {
                SCOPED_TRACE(std::string(game) + " " + std::to_string(number) + " autoplay " +
                             std::to_string(autoplay));
                ctx->data.SetAutoplay(int16_t(autoplay));
                start(QString::fromLatin1(game), number);
                lines += solveAndReplay(150'000) ? 1 : 0;
                if (HasFailure())
                    return;
            }
        EXPECT_GT(lines, 0) << game;
    }
}

// The help names this deal: lost with automatic play, which sends home a
// card the tableau still needs, and won by hand.
TEST_F(ReplayTest, KlondikeDealLostToAutomaticPlayIsWonByHand)
{
    constexpr int kNumber = 2992;
    ctx->data.SetAutoplay(1);
    start(QStringLiteral("Klondike"), kNumber);
    const Rules rules = currentRules(*ctx);
    const SolveResult lost = solve(currentPosition(*ctx, rules), rules, true, Budget::ofNodes(1'000'000));
    EXPECT_EQ(lost.verdict, Verdict::NotWinnable);

    ctx->data.SetAutoplay(0);
    start(QStringLiteral("Klondike"), kNumber);
    EXPECT_TRUE(solveAndReplay(1'000'000));
}

// The log holds only so many moves: a line needing more is no win, and a
// search that had to leave such lines out proves no loss either.
TEST_F(ReplayTest, ALineMustFitTheMoveLog)
{
    for (int autoplay : {0, 1}) {
        SCOPED_TRACE("autoplay " + std::to_string(autoplay));
        ctx->data.SetAutoplay(int16_t(autoplay));
        constexpr int kNumber = 2;
        start(QStringLiteral("Klondike"), kNumber);
        std::vector<Move> line;
        ASSERT_TRUE(solveAndReplay(300'000, &line));
        start(QStringLiteral("Klondike"), kNumber);
        const int need = roomNeeded(line);

        // Just enough room: a line is found, and it plays to the end.
        start(QStringLiteral("Klondike"), kNumber);
        leaveLogRoom(need);
        EXPECT_TRUE(solveAndReplay(300'000));
        // One record short: not that line; any other must play.
        start(QStringLiteral("Klondike"), kNumber);
        leaveLogRoom(need - 1);
        std::vector<Move> shorter;
        solveAndReplay(300'000, &shorter);
        EXPECT_NE(shorter, line);
        // No room for a win at all.
        start(QStringLiteral("Klondike"), kNumber);
        leaveLogRoom(10);
        EXPECT_EQ(solveTable(300'000).verdict, Verdict::Unknown);
        if (HasFailure())
            return;
    }
    // The lost deal, searched to its end with lines cut short.
    ctx->data.SetAutoplay(1);
    start(QStringLiteral("Klondike"), 2992);
    leaveLogRoom(60);
    EXPECT_EQ(solveTable(1'000'000).verdict, Verdict::Unknown);
}

TEST_F(ReplayTest, DesignedGamesWinThroughTheDriver)
{
    int lines = 0;
    for (const Designed &d : kDesigned)
        for (int autoplay : {0, 1})
            for (int number : {5, 77}) {
                SCOPED_TRACE(std::string(d.name) + " " + std::to_string(number) + " autoplay " +
                             std::to_string(autoplay));
                ctx->data.SetAutoplay(int16_t(autoplay));
                startDesigned(d, number);
                lines += solveAndReplay(100'000) ? 1 : 0;
                if (HasFailure())
                    return;
            }
    EXPECT_GT(lines, 2);
}

} // namespace
