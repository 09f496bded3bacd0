#include "session/Commands.h"

#include "session/MoveDriver.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <algorithm>

namespace cardova {

namespace {
bool playable(const GameContext &ctx)
{
    return ctx.GameRunning() && ctx.trans;
}

// Each step of an animation shows for about one frame; undoing or redoing a
// long game at a slow speed would hold the window for many seconds. The
// whole run gets at most this many steps (about two seconds), the speed
// lowered as needed; past one step a move the cards simply jump.
constexpr int kWholeLogSteps = 120;

int16_t speedForRun(int16_t speed, int moves)
{
    if (moves <= 0 || speed <= 0)
        return speed;
    return int16_t(std::min<int>(speed, kWholeLogSteps / moves));
}
} // namespace

bool CmdUndo(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    CommandScope command(ctx);
    int16_t speed = ctx.data.UndoSpeed();
    return ctx.trans->Undo(speed);
}

bool CmdRedo(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    CommandScope command(ctx);
    int16_t speed = ctx.data.UndoSpeed();
    return ctx.trans->Redo(speed);
}

void CmdUndoAll(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    CommandScope command(ctx);
    int16_t speed = speedForRun(ctx.data.UndoallSpeed(), ctx.trans->TransPos);
    ctx.trans->UndoAll(speed);
}

void CmdRedoAll(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    CommandScope command(ctx);
    int16_t speed = speedForRun(ctx.data.UndoallSpeed(), ctx.trans->TransTop - ctx.trans->TransPos);
    ctx.trans->RedoAll(speed);
}

void CmdToggleAutoplay(GameContext &ctx)
{
    CommandScope command(ctx);
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
    CommandScope command(ctx);
    int16_t speed = ctx.data.ReplaySpeed();
    return ctx.trans->Redo(speed);
}

bool ReplayBackwardStep(GameContext &ctx)
{
    if (!playable(ctx))
        return false;
    CommandScope command(ctx);
    int16_t speed = ctx.data.ReplaySpeed();
    return ctx.trans->Undo(speed);
}

void ReplayRewind(GameContext &ctx)
{
    if (!playable(ctx))
        return;
    CommandScope command(ctx);
    int16_t speed = speedForRun(1, ctx.trans->TransPos);
    ctx.trans->UndoAll(speed);
}

} // namespace cardova
