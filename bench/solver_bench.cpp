// How far the solver gets on Klondike with automatic play: the first DECKS
// distinct decks (game numbers 1, 2, 3, ... that deal a deck not seen
// before), each searched for at most SECONDS.
//   bench_solver [DECKS [SECONDS]]     defaults: 100 decks, 10 seconds
// Prints the share decided within 0.1, 1 and 10 seconds, the verdicts and
// the positions searched per second.
#include "Headless.h"

#include "session/MoveDriver.h"
#include "solver/Solver.h"

#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

using namespace cardova;

namespace {

std::vector<int16_t> deckOf(const GameContext &ctx)
{
    std::vector<int16_t> deck;
    for (int i = 0; i < kDeckSize; ++i)
        deck.push_back(ctx.table.GetRandom(i));
    return deck;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int decks = argc > 1 ? std::atoi(argv[1]) : 100;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    if (decks <= 0 || seconds <= 0) {
        std::fprintf(stderr, "usage: bench_solver [DECKS [SECONDS]]\n");
        return 2;
    }
    Headless h;
    h.ctx->data.SetAutoplay(1);
    Budget budget;
    budget.maxSeconds = seconds;

    constexpr std::array<double, 3> kMarks{0.1, 1.0, 10.0};
    std::array<int, 3> decidedWithin{};
    std::array<int, 3> verdicts{}; // by Verdict
    uint64_t nodes = 0;
    double searchSeconds = 0;
    std::set<std::vector<int16_t>> seen;
    for (int number = 1; int(seen.size()) < decks; ++number) {
        NewGame(*h.ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(number));
        if (!seen.insert(deckOf(*h.ctx)).second)
            continue;
        const Rules rules = currentRules(*h.ctx);
        const SolveResult r = solve(currentPosition(*h.ctx, rules), rules, true, budget);
        ++verdicts[size_t(r.verdict)];
        nodes += r.nodes;
        searchSeconds += r.seconds;
        for (size_t m = 0; m < kMarks.size(); ++m)
            if (r.verdict != Verdict::Unknown && r.seconds <= kMarks[m])
                ++decidedWithin[m];
        std::printf("game %d: %s, %llu positions, %.3f s\n", number,
                    r.verdict == Verdict::Winnable      ? "winnable"
                    : r.verdict == Verdict::NotWinnable ? "not winnable"
                                                        : "unknown",
                    static_cast<unsigned long long>(r.nodes), r.seconds);
        std::fflush(stdout);
    }
    std::printf("\n%d distinct Klondike decks, automatic play on, at most %.1f s each\n", decks, seconds);
    for (size_t m = 0; m < kMarks.size(); ++m)
        std::printf("decided within %4.1f s: %5.1f%%\n", kMarks[m], 100.0 * decidedWithin[m] / decks);
    std::printf("winnable %d, not winnable %d, unknown %d\n", verdicts[size_t(Verdict::Winnable)],
                verdicts[size_t(Verdict::NotWinnable)], verdicts[size_t(Verdict::Unknown)]);
    std::printf("%.0f positions per second (%llu in %.1f s)\n", searchSeconds > 0 ? nodes / searchSeconds : 0.0,
                static_cast<unsigned long long>(nodes), searchSeconds);
    return 0;
}
