#include "RandomPlayer.h"

#include "engine/Input.h"
#include "engine/MoveRules.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <vector>

namespace cardova {

namespace {
struct Candidate {
    int16_t id;
    int16_t cell, pile; // destination
    int16_t riders;
    int priority; // lower is better
    QString text;
};

QString sourceText(const cCard &c)
{
    if (c.Cell == kTableau)
        return QStringLiteral("t%1:%2").arg(c.Pile).arg(c.Pos);
    if (c.Cell == kWaste)
        return QStringLiteral("w");
    return QStringLiteral("f%1").arg(c.Pile);
}

void addTargets(const GameContext &ctx, int16_t id, int16_t riders, bool uncovers, bool fromWaste,
                std::vector<Candidate> &out)
{
    const cCard &c = ctx.cards[size_t(id)];
    if (riders == 0)
        for (int16_t g = 0; g < 4; ++g)
            if (FoundationAccepts(ctx, g, id, true)) {
                out.push_back({id, kFoundation, g, 0, 0, sourceText(c) + QStringLiteral(">f%1").arg(g)});
                break;
            }
    for (int16_t b = 0; b < ctx.games.Piles(kTableau); ++b) {
        if (!TableauAccepts(ctx, b, id))
            continue;
        const bool toEmpty = ctx.table.GetTop(kTableau, b) < 0;
        // Moving a whole pile onto an empty one changes nothing.
        if (c.Cell == kTableau && c.Pos == 0 && toEmpty)
            continue;
        int priority = fromWaste ? 2 : (uncovers ? 1 : (c.Cell == kTableau && c.Pos == 0 ? 1 : -1));
        if (priority < 0)
            continue;
        out.push_back({id, kTableau, b, riders, priority, sourceText(c) + QStringLiteral(">t%1").arg(b)});
    }
}

std::vector<Candidate> candidates(const GameContext &ctx)
{
    std::vector<Candidate> out;
    for (int p = 0; p < ctx.games.Piles(kTableau); ++p) {
        const int top = ctx.table.GetTop(kTableau, p);
        for (int pos = top; pos >= 0; --pos) {
            const int16_t id = ctx.table.GetPicID(kTableau, p, pos);
            const cCard &c = ctx.cards[size_t(id)];
            if (c.FaceMode != 0)
                break;
            const int16_t riders = int16_t(top - pos);
            if (riders > 0 && (ctx.games.MultiMove() == 0 || !RunInOrder(ctx, id, riders)))
                break;
            const bool uncovers = pos > 0 && ctx.cards[size_t(ctx.table.GetPicID(kTableau, p, pos - 1))].FaceMode == 1;
            addTargets(ctx, id, riders, uncovers, false, out);
        }
    }
    if (ctx.table.GetTop(kWaste, 0) >= 0)
        addTargets(ctx, ctx.table.GetTopPicID(kWaste, 0), 0, false, true, out);
    return out;
}
} // namespace

QStringList RandomPlayer::play(GameContext &ctx, int maxActions)
{
    QStringList actions;
    int idleTurns = 0; // stock turns since the last other move
    while (ctx.data.GameRunning && int(actions.size()) < maxActions) {
        const int before = ctx.trans->TransPos;
        std::vector<Candidate> list = candidates(ctx);
        int best = 3;
        for (const Candidate &c : list)
            best = std::min(best, c.priority);
        std::vector<const Candidate *> top;
        for (const Candidate &c : list)
            if (c.priority == best)
                top.push_back(&c);
        const int stockSize = ctx.table.GetTop(kStock, 0) + ctx.table.GetTop(kWaste, 0) + 2;
        if (top.empty() || (idleTurns > 0 && best == 2 && std::uniform_int_distribution<int>(0, 2)(rng_) == 0)) {
            if (stockSize == 0 || idleTurns > 2 * stockSize + 2)
                break; // stuck
            if (ctx.table.GetTop(kStock, 0) < 0)
                RecycleWaste(ctx);
            else
                ctx.table.AddtoWaste(ctx.table.GetTopPicID(kStock, 0));
            actions << QStringLiteral("stock");
            ++idleTurns;
        } else {
            const Candidate &c = *top[std::uniform_int_distribution<size_t>(0, top.size() - 1)(rng_)];
            int32_t mode = kModePlay;
            ctx.table.MoveCard(c.id, c.cell, c.pile, int16_t(ctx.table.GetTop(c.cell, c.pile) + 1), mode,
                               3, c.riders, 0);
            actions << c.text;
            idleTurns = 0;
        }
        moves += ctx.trans ? std::max(0, ctx.trans->TransPos - before) : 0;
        if (!ctx.tableLive)
            break;
    }
    return actions;
}

} // namespace cardova
