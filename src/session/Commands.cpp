#include "session/Commands.h"

#include "engine/AutoPlay.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

namespace cardova {

namespace {
bool playable(const GameContext &ctx)
{
    return ctx.data.GameRunning && ctx.tableLive && ctx.trans;
}
} // namespace

bool CmdUndo(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    ActionScope action(ctx);
    int16_t speed = ctx.data.UndoSpeed();
    return ctx.trans->Undo(speed);
}

bool CmdRedo(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    ActionScope action(ctx);
    int16_t speed = ctx.data.UndoSpeed();
    return ctx.trans->Redo(speed);
}

void CmdUndoAll(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    ActionScope action(ctx);
    int16_t speed = ctx.data.UndoallSpeed();
    ctx.trans->UndoAll(speed);
}

void CmdRedoAll(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    ActionScope action(ctx);
    int16_t speed = ctx.data.UndoallSpeed();
    ctx.trans->RedoAll(speed);
}

void CmdToggleAutoplay(GameContext &ctx)
{
    ActionScope action(ctx);
    if (ctx.data.Autoplay() == 1) {
        ctx.data.SetAutoplay(0);
        return;
    }
    ctx.data.SetAutoplay(1);
    // Only a game on the table is played; a cleared table has nothing to move.
    if (playable(ctx))
        RunAutoPlay(ctx);
}

bool ReplayForwardStep(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    ActionScope action(ctx);
    int16_t speed = ctx.data.ReplaySpeed();
    return ctx.trans->Redo(speed);
}

bool ReplayBackwardStep(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    ActionScope action(ctx);
    int16_t speed = ctx.data.ReplaySpeed();
    return ctx.trans->Undo(speed);
}

void ReplayRewind(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    ActionScope action(ctx);
    int16_t speed = 1;
    ctx.trans->UndoAll(speed);
}

} // namespace cardova
