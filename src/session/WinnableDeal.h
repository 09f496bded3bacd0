#pragma once
// Choosing a deal the player can win: random numbers are tried one after
// another, and the first whose deal the solver proves winnable is taken.
#include "rules/cGames.h"
#include "settings/GameNumber.h"
#include "solver/Solver.h"

#include <QString>
#include <atomic>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace cardova {

class GameContext;

// Numbers to try, one per call; nullopt when there are no more.
using NumberSource = std::function<std::optional<GameNumber>()>;

struct WinnableSearchLimits {
    Budget perDeal;   // the search of one deal
    int maxDeals = 0; // numbers tried at most
    // All searches together; the search under way when it runs out is
    // still finished within its own budget.
    double maxSeconds = std::numeric_limits<double>::infinity();
};

struct DealChoice {
    GameNumber number;
    bool proven = false; // the solver proved this number's deal winnable
    int tried = 0;       // distinct numbers searched
};

// The first number from `next` whose deal of `games` the solver proves
// winnable (automatic play as `autoplay` says). When none is proven within
// the limits, or `stop` is set, the last number tried, not proven. A number
// met again is not searched again. nullopt when `next` gives no number.
std::optional<DealChoice> chooseWinnableNumber(const cGames &games, bool autoplay, const NumberSource &next,
                                               const WinnableSearchLimits &limits,
                                               const std::atomic<bool> *stop = nullptr);

// What a search for a winnable deal of one game needs, taken from the
// context on its own thread so the search can run on another: the game's
// rules and layout, whether automatic play follows the moves, and random
// numbers drawn as New Game draws them.
struct WinnableSearch {
    QString name;
    cGames games;
    bool autoplay = true;
    std::vector<GameNumber> numbers;
};
// nullopt when the game cannot be loaded.
std::optional<WinnableSearch> winnableSearchFor(GameContext &ctx, const QString &name, int count);

// The limits a player waits for: a short search per deal, and a few seconds
// in all.
WinnableSearchLimits interactiveLimits();

} // namespace cardova
