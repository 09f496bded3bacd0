#include "session/WinnableDeal.h"

#include "session/DealPreview.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"
#include "session/SolverRequest.h"

#include <QSet>
#include <chrono>

namespace cardova {

namespace {
// Most deals that can be decided at all are decided within a fifth of a
// second; a longer search per deal would mostly spend the player's time.
constexpr double kSecondsPerDeal = 0.2;
constexpr int kMaxDeals = 40;
constexpr double kMaxSeconds = 4.0;
// A short search needs only a small table of positions seen.
constexpr std::size_t kTableBytes = std::size_t(16) << 20;

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}
} // namespace

std::optional<DealChoice> chooseWinnableNumber(const cGames &games, bool autoplay, const NumberSource &next,
                                               const WinnableSearchLimits &limits, const std::atomic<bool> *stop)
{
    const auto begin = std::chrono::steady_clock::now();
    const auto secondsUsed = [begin] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    std::optional<DealChoice> choice;
    QSet<QString> seen;
    int tried = 0;
    while (tried < limits.maxDeals && !stopped(stop) && secondsUsed() < limits.maxSeconds) {
        const std::optional<GameNumber> number = next();
        if (!number)
            break;
        if (seen.contains(number->toText())) {
            // A source that repeats itself still ends: every draw counts
            // against the limit, searched or not.
            ++tried;
            continue;
        }
        seen.insert(number->toText());
        ++tried;
        const DealtGame dealt = dealtGame(games, number->toDouble(), autoplay);
        const SolveResult result = solve(dealt.position, dealt.rules, autoplay, limits.perDeal, stop);
        choice = DealChoice{*number, result.verdict == Verdict::Winnable, int(seen.size())};
        if (choice->proven)
            break;
    }
    return choice;
}

std::optional<WinnableSearch> winnableSearchFor(GameContext &ctx, const QString &name, int count)
{
    GameRecord record;
    if (!ctx.custom.LoadRecord(name, &record).isEmpty())
        return std::nullopt;
    WinnableSearch search;
    search.name = name;
    cCustom(ctx.data, search.games).ApplyRecord(record);
    search.autoplay = autoplayFollows(ctx, search.games);
    search.numbers.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        search.numbers.push_back(RandomGameNo(ctx));
    return search;
}

WinnableSearchLimits interactiveLimits()
{
    WinnableSearchLimits limits;
    limits.perDeal.maxSeconds = kSecondsPerDeal;
    limits.perDeal.tableBytes = kTableBytes;
    limits.maxDeals = kMaxDeals;
    limits.maxSeconds = kMaxSeconds;
    return limits;
}

} // namespace cardova
