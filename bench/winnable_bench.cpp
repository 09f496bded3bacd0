// How long New Game waits with "Winnable Deals Only" on: choices made with
// the window's limits, each from fresh random numbers drawn as New Game
// draws them.
//   bench_winnable [GAME [CHOICES]]     defaults: Klondike, 50 choices
// Prints the share of choices proven winnable, the numbers searched per
// choice, and the median and slowest wait.
#include "Headless.h"

#include "session/WinnableDeal.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace cardova;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString game = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Klondike");
    const int choices = argc > 2 ? std::atoi(argv[2]) : 50;
    if (choices <= 0) {
        std::fprintf(stderr, "usage: bench_winnable [GAME [CHOICES]]\n");
        return 2;
    }
    Headless h;
    const WinnableSearchLimits limits = interactiveLimits();
    std::vector<double> waits;
    int proven = 0;
    int searched = 0;
    for (int i = 0; i < choices; ++i) {
        auto search = winnableSearchFor(*h.ctx, game, limits.maxDeals);
        if (!search) {
            std::fprintf(stderr, "the game %s cannot be loaded\n", qPrintable(game));
            return 2;
        }
        size_t next = 0;
        const NumberSource source = [&search, &next]() -> std::optional<GameNumber> {
            return next < search->numbers.size() ? std::optional<GameNumber>(search->numbers[next++]) : std::nullopt;
        };
        const auto begin = std::chrono::steady_clock::now();
        const auto choice = chooseWinnableNumber(search->games, search->autoplay, source, limits);
        waits.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        proven += choice && choice->proven ? 1 : 0;
        searched += choice ? choice->tried : 0;
    }
    std::sort(waits.begin(), waits.end());
    std::printf("%s, %d choices, automatic play on: %d proven winnable, %.2f numbers searched per choice\n",
                qPrintable(game), choices, proven, double(searched) / choices);
    std::printf("wait: median %.3f s, slowest %.3f s\n", waits[waits.size() / 2], waits.back());
    return 0;
}
