// Winning lines found on dealt games, played through the game's own driver.
#include "TestSupport.h"

#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/MoveDriver.h"
#include "solver/Solver.h"
#include "solver/Transition.h"

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

    bool autoplayOn() const { return ctx->data.Autoplay() != 0 && ctx->games.DisAutoPlay() != kAutoPlayDisabled; }

    // Solves the game on the table; a winning line is played move by move
    // with playMove, the table must follow the solver's own idea of each
    // turn, and the game must end won. True if there was a line to play.
    bool solveAndReplay(uint64_t nodes)
    {
        const Rules rules = currentRules(*ctx);
        Position expected = currentPosition(*ctx, rules);
        const bool autoplay = autoplayOn();
        Budget budget = Budget::ofNodes(nodes);
        budget.tableBytes = std::size_t(8) << 20;
        const SolveResult r = solve(expected, rules, autoplay, budget);
        EXPECT_LE(r.nodes, nodes);
        if (r.verdict != Verdict::Winnable)
            return false;
        const int winsBefore = win.opened;
        for (std::size_t i = 0; i < r.line.size(); ++i) {
            EXPECT_EQ(win.opened, winsBefore) << "won before the line's end, at move " << i;
            if (!playMove(*ctx, r.line[i])) {
                ADD_FAILURE() << "move " << i << " refused in\n" << expected.text();
                return true;
            }
            playTurn(expected, rules, r.line[i], autoplay);
            if (isWon(expected))
                break; // a won game leaves the table
            if (!(currentPosition(*ctx, rules) == expected)) {
                ADD_FAILURE() << "after move " << i << " the table holds\n"
                              << currentPosition(*ctx, rules).text() << "instead of\n" << expected.text();
                return true;
            }
        }
        EXPECT_GT(win.opened, winsBefore);
        return true;
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
