// How long closing the window waits for the background solver: the service
// is destroyed while its search runs, after a delay that walks from the
// moment the question is asked into the search itself.
//   bench_solver_stop [TRIES]     default: 200
// Prints the median and the slowest wait.
#include "Headless.h"

#include "session/SolverService.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace cardova;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int tries = argc > 1 ? std::atoi(argv[1]) : 200;
    if (tries <= 0) {
        std::fprintf(stderr, "usage: bench_solver_stop [TRIES]\n");
        return 2;
    }
    Headless h;
    // Klondike 6 without automatic play stays undecided for far longer than
    // the window's budget: every search here runs until it is stopped.
    if (!NewGame(*h.ctx, QStringLiteral("Klondike"), GameNumber::fromNumber(6)).isEmpty()) {
        std::fprintf(stderr, "Klondike cannot be dealt\n");
        return 2;
    }
    SolverRequest question = solverRequest(*h.ctx, 1);
    question.autoplay = false;
    Budget budget;
    budget.maxSeconds = 2.0; // the window's clock
    using Clock = std::chrono::steady_clock;
    std::vector<double> waits;
    for (int i = 0; i < tries; ++i) {
        auto service = std::make_unique<SolverService>(budget);
        service->ask(question);
        // From at once up to 20 ms into the search.
        std::this_thread::sleep_for(std::chrono::microseconds((i * 97) % 20000));
        const auto before = Clock::now();
        service.reset();
        waits.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    std::sort(waits.begin(), waits.end());
    std::printf("%d stops: median %.2f ms, slowest %.2f ms\n", tries, waits[waits.size() / 2], waits.back());
    return 0;
}
