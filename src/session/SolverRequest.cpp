#include "session/SolverRequest.h"

#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

namespace cardova {

namespace {
constexpr uint64_t kFnvOffset = 1469598103934665603ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t mix(uint64_t h, int64_t value)
{
    for (int i = 0; i < 8; ++i) {
        h ^= uint64_t(value >> (8 * i)) & 0xFF;
        h *= kFnvPrime;
    }
    return h;
}
} // namespace

std::vector<uint64_t> logLine(const GameContext &ctx)
{
    const int top = ctx.trans ? ctx.trans->TransPos : 0;
    std::vector<uint64_t> line(size_t(top) + 1);
    uint64_t h = kFnvOffset;
    line[0] = h;
    // Records are numbered from 1: record p is the p-th move of the log.
    for (int p = 1; p <= top; ++p) {
        const TransRecord &r = ctx.trans->record(p);
        for (int64_t v : {int64_t(r.PicID), int64_t(r.SCell), int64_t(r.SPile), int64_t(r.SPos), int64_t(r.DCell),
                          int64_t(r.DPile), int64_t(r.DPos), int64_t(r.mCards), int64_t(r.tMod)})
            h = mix(h, v);
        line[size_t(p)] = h;
    }
    return line;
}

bool autoplayFollows(const GameContext &ctx)
{
    return autoplayFollows(ctx, ctx.games);
}

bool autoplayFollows(const GameContext &ctx, const cGames &games)
{
    return !ctx.autoplaySuppressed && games.DisAutoPlay() != kAutoPlayDisabled && ctx.data.Autoplay() != 0;
}

SolverRequest solverRequest(const GameContext &ctx, uint64_t game)
{
    SolverRequest r;
    r.game = game;
    r.logPos = ctx.trans ? ctx.trans->TransPos : 0;
    r.line = logLine(ctx);
    r.rules = currentRules(ctx);
    r.position = currentPosition(ctx, r.rules);
    r.autoplay = autoplayFollows(ctx);
    r.logRoom = lineLogRoom(ctx);
    return r;
}

} // namespace cardova
