#include "session/MoveRefusal.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"

namespace cardova {

QString refusalReason(const Position &p, const Rules &rules, const Move &m)
{
    const auto limit = runTooLong(p, rules, m);
    if (!limit)
        return {};
    return *limit == 1 ? QStringLiteral("Only 1 card can move now")
                       : QStringLiteral("Only %1 cards can move now").arg(*limit);
}

bool explainRefusal(GameContext &ctx, const Move &m)
{
    if (!ctx.GameRunning())
        return false;
    const Rules rules = currentRules(ctx);
    const QString reason = refusalReason(currentPosition(ctx, rules), rules, m);
    if (reason.isEmpty())
        return false;
    ctx.moveRefused(reason);
    return true;
}

} // namespace cardova
