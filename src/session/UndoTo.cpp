#include "session/UndoTo.h"

#include "session/GameContext.h"
#include "session/cTrans.h"

namespace cardova {

bool CmdUndoTo(GameContext &ctx, int logPos)
{
    if (ctx.phase != GamePhase::Playing || !ctx.trans || logPos < 0 || logPos >= ctx.trans->TransPos)
        return false;
    CommandScope command(ctx);
    // The speed of Undo All: a run of moves goes back as it does there.
    int16_t speed = ctx.data.UndoallSpeed();
    // A group undone at once may take the log below logPos only when logPos
    // lies inside it, which no position the player reached does.
    while (ctx.trans->TransPos > logPos && ctx.tableLive())
        if (!ctx.trans->Undo(speed))
            break;
    return true;
}

} // namespace cardova
