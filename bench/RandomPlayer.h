#pragma once
#include "engine/Moves.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace cardova {

class GameContext;

// Plays legal moves headless through the game driver: cards to the foundations first, then moves
// that turn up a tableau card, then the waste, then the stock. Among moves of
// the same kind it picks at random.
class RandomPlayer {
public:
    explicit RandomPlayer(uint32_t seed) : rng_(seed) {}
    // Plays until the game is won, stuck or maxActions is reached. Returns the
    // actions in the driver's syntax ("stock", "t3:2>t5", "w>f0") when asked.
    QStringList play(GameContext &ctx, int maxActions, bool record = false);
    // The same, returning the moves made.
    std::vector<Move> playMoves(GameContext &ctx, int maxActions);
    long long moves = 0; // card moves made, automatic ones included

private:
    std::mt19937 rng_;
    std::unique_ptr<MoveList> moves_ = std::make_unique<MoveList>();
};

} // namespace cardova
