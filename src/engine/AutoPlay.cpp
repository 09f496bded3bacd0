#include "engine/AutoPlay.h"

#include "engine/MoveRules.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

namespace cardova {

void RunAutoPlay(GameContext &ctx)
{
    if (!ctx.tableLive || ctx.autoplaySuppressed || ctx.games.DisAutoPlay() == -1 ||
        ctx.data.Autoplay() == 0)
        return;
    BusyScope busy(ctx);
    const int piles = ctx.games.Piles(kTableau);
    for (int b = 0; b < piles && ctx.tableLive; ++b)
        if (ctx.table.GetTop(kTableau, b) >= 0)
            AutoToGoal(ctx, ctx.table.GetTopPicID(kTableau, b));
    if (ctx.tableLive && ctx.table.GetTop(kWaste, 0) >= 0)
        AutoToGoal(ctx, ctx.table.GetTopPicID(kWaste, 0));
}

bool AutoToGoal(GameContext &ctx, int16_t picId)
{
    // A full log takes no more moves; automatic play simply stops.
    if (!ctx.tableLive || !ctx.trans || ctx.trans->freeMoves() < 1)
        return false;
    for (int16_t g = 0; g < 4; ++g) {
        if (!FoundationAccepts(ctx, g, picId, false))
            continue;
        int32_t mode = kModePlay;
        ctx.table.MoveCard(picId, kFoundation, g, int16_t(ctx.table.GetTop(kFoundation, g) + 1),
                           mode, ctx.data.CardSpeed(), 0, 0);
        ctx.PlaySound(SoundEvent::AutoPlay);
        return true;
    }
    return false;
}

} // namespace cardova
