#include "session/SolverRequest.h"

#include "common/Fnv1a.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

namespace cardova {

std::vector<uint64_t> logLine(const GameContext &ctx)
{
    const int top = ctx.trans ? ctx.trans->TransPos : 0;
    std::vector<uint64_t> line(size_t(top) + 1);
    uint64_t h = fnv1a::kOffset;
    line[0] = h;
    // Records are numbered from 1: record p is the p-th move of the log.
    for (int p = 1; p <= top; ++p) {
        const TransRecord &r = ctx.trans->record(p);
        for (int64_t v : {int64_t(r.PicID), int64_t(r.SCell), int64_t(r.SPile), int64_t(r.SPos), int64_t(r.DCell),
                          int64_t(r.DPile), int64_t(r.DPos), int64_t(r.mCards), int64_t(r.tMod)})
            h = fnv1a::mixValue(h, uint64_t(v));
        line[size_t(p)] = h;
    }
    return line;
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
