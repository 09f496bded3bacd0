// Deals worked out away from the table, and the choice of a winnable one.
#include "TestSupport.h"

#include "session/DealPreview.h"
#include "session/MoveDriver.h"
#include "session/WinnableDeal.h"
#include "solver/Solver.h"

using namespace cardova;
using namespace cardova::test;

namespace {
// The game whose deals the choice is tried on, with automatic play and
// kNodes positions per search.
const QString kGame = QStringLiteral("Klondike Plus");
constexpr uint64_t kNodes = 20'000;

WinnableSearchLimits nodeLimits(int maxDeals)
{
    WinnableSearchLimits limits;
    limits.perDeal = Budget::ofNodes(kNodes);
    limits.maxDeals = maxDeals;
    return limits;
}

// Gives the numbers in order, then nothing.
NumberSource numbersOf(std::vector<double> numbers)
{
    auto next = std::make_shared<size_t>(0);
    return [numbers = std::move(numbers), next]() -> std::optional<GameNumber> {
        if (*next >= numbers.size())
            return std::nullopt;
        return GameNumber::fromNumber(numbers[(*next)++]);
    };
}

class WinnableDealTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->animate = false;
    }
    // The first number whose deal gets each verdict from the short search,
    // found in one pass: looked up rather than written down, so a stronger
    // solver leaves the test meaningful.
    struct Numbers {
        double notWinnable = 0;
        double undecided = 0;
        double winnable = 0;
    };
    Numbers firstNumbers()
    {
        constexpr double kLastTried = 300;
        Numbers found;
        for (double number = 1; number <= kLastTried; ++number) {
            const Verdict verdict = verdictOf(number);
            double &first = verdict == Verdict::Winnable      ? found.winnable
                            : verdict == Verdict::NotWinnable ? found.notWinnable
                                                              : found.undecided;
            if (first == 0)
                first = number;
            if (found.winnable != 0 && found.notWinnable != 0 && found.undecided != 0)
                return found;
        }
        ADD_FAILURE() << "deals up to " << kLastTried << " do not get all three verdicts";
        return found;
    }
    cGames gamesOf(const QString &name)
    {
        const auto search = winnableSearchFor(*ctx, name, 0);
        EXPECT_TRUE(search) << name.toStdString();
        return search ? search->games : cGames{};
    }
    // The verdict of a short search on the deal, worked out on its own.
    Verdict verdictOf(double number)
    {
        const DealtGame dealt = dealtGame(gamesOf(kGame), number, true);
        return solve(dealt.position, dealt.rules, true, nodeLimits(1).perDeal).verdict;
    }
};
} // namespace

TEST_F(WinnableDealTest, ADealWorkedOutAwayFromTheTableIsTheDealOnIt)
{
    // Started foundations, a random base, King-only spaces, nine piles.
    writeFile(QStringLiteral("Started.gam"), "3,13,4,6,12,9,1,1\r\n");
    writeFile(QStringLiteral("Two Bases.gam"), "1,5,2,8,13,4,1,1\r\n");
    ctx->custom.Init();
    for (const char *game : {"Klondike", "Klondike Plus", "Lawn", "Started", "Two Bases"})
        for (int autoplay : {0, 1})
            for (double number : {1.0, 77.0, 4711.0, 123456789.0}) {
                SCOPED_TRACE(std::string(game) + " " + std::to_string(number) + " autoplay " +
                             std::to_string(autoplay));
                ctx->data.SetAutoplay(int16_t(autoplay));
                const QString name = QString::fromLatin1(game);
                const DealtGame dealt = dealtGame(gamesOf(name), number, autoplay != 0);
                start(name, number);
                const Rules rules = currentRules(*ctx);
                EXPECT_EQ(dealt.rules.baseRank, rules.baseRank);
                EXPECT_TRUE(dealt.position == currentPosition(*ctx, rules))
                    << dealt.position.text() << "instead of\n"
                    << currentPosition(*ctx, rules).text();
            }
}

TEST_F(WinnableDealTest, TheFirstProvenWinnableNumberIsChosenAndItsWinPlaysOnTheTable)
{
    const auto [notWinnable, undecided, winnable] = firstNumbers();
    const auto choice = chooseWinnableNumber(gamesOf(kGame), true,
                                             numbersOf({notWinnable, undecided, winnable, winnable + 1}),
                                             nodeLimits(10));
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->proven);
    EXPECT_EQ(choice->number.toDouble(), winnable);
    EXPECT_EQ(choice->tried, 3);

    // The deal really is won by the solver's line, played on the table.
    start(kGame, choice->number.toDouble());
    const Rules rules = currentRules(*ctx);
    const SolveResult r = solve(currentPosition(*ctx, rules), rules, true, nodeLimits(1).perDeal);
    ASSERT_EQ(r.verdict, Verdict::Winnable);
    for (const Move &m : r.line)
        ASSERT_TRUE(playMove(*ctx, m));
    EXPECT_EQ(win.opened, 1);
}

TEST_F(WinnableDealTest, WithoutAProvenWinTheLastNumberTriedIsGivenUnproven)
{
    const auto [notWinnable, undecided, winnable] = firstNumbers();
    const cGames game = gamesOf(kGame);
    const auto none = chooseWinnableNumber(game, true, numbersOf({undecided, notWinnable}), nodeLimits(10));
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->proven);
    EXPECT_EQ(none->number.toDouble(), notWinnable);
    // The limit stops the search before the winnable number.
    const auto limited = chooseWinnableNumber(game, true, numbersOf({undecided, winnable}), nodeLimits(1));
    ASSERT_TRUE(limited);
    EXPECT_FALSE(limited->proven);
    EXPECT_EQ(limited->number.toDouble(), undecided);
    // A source that keeps giving the same number is searched once and ends.
    const auto same = chooseWinnableNumber(game, true, [number = notWinnable] { return GameNumber::fromNumber(number); },
                                           nodeLimits(50));
    ASSERT_TRUE(same);
    EXPECT_EQ(same->tried, 1);
    EXPECT_FALSE(chooseWinnableNumber(game, true, numbersOf({}), nodeLimits(10)));
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(chooseWinnableNumber(game, true, numbersOf({winnable}), nodeLimits(10), &stop));
}

TEST_F(WinnableDealTest, TheSearchTakesTheGameAndTheSettingsAsTheyStand)
{
    ctx->data.SetAutoplay(0);
    const auto search = winnableSearchFor(*ctx, QStringLiteral("Lawn"), 5);
    ASSERT_TRUE(search);
    EXPECT_FALSE(search->autoplay);
    EXPECT_EQ(search->numbers.size(), 5u);
    EXPECT_EQ(search->name, QStringLiteral("Lawn"));
    ctx->data.SetAutoplay(1);
    EXPECT_TRUE(winnableSearchFor(*ctx, QStringLiteral("Lawn"), 0)->autoplay);
    EXPECT_FALSE(winnableSearchFor(*ctx, QStringLiteral("No Such Game"), 5));
    EXPECT_EQ(ctx->phase, GamePhase::NoGame); // nothing was dealt on the table
}
