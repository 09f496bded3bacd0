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
};

// The move in the driver's syntax, taken before the card moves.
QString actionText(const GameContext &ctx, const Candidate &m)
{
    const cCard &c = ctx.cards[size_t(m.id)];
    QString source;
    if (c.Cell == kTableau)
        source = QStringLiteral("t%1:%2").arg(c.Pile).arg(c.Pos);
    else if (c.Cell == kWaste)
        source = QStringLiteral("w");
    else
        source = QStringLiteral("f%1").arg(c.Pile);
    return source + (m.cell == kTableau ? QStringLiteral(">t%1") : QStringLiteral(">f%1")).arg(m.pile);
}

void addTargets(const GameContext &ctx, int16_t id, int16_t riders, bool uncovers, bool fromWaste,
                std::vector<Candidate> &out)
{
    const cCard &c = ctx.cards[size_t(id)];
    if (riders == 0)
        for (int16_t g = 0; g < 4; ++g)
            if (FoundationAccepts(ctx, g, id, true)) {
                out.push_back({id, kFoundation, g, 0, 0});
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
        out.push_back({id, kTableau, b, riders, priority});
    }
}

void candidates(const GameContext &ctx, std::vector<Candidate> &out)
{
    out.clear();
    const bool multi = ctx.games.MultiMove() != 0;
    const int32_t runOrder = ctx.games.MultiOrder();
    const bool wrap = ctx.games.AK(kTableau) != 0;
    for (int p = 0; p < ctx.games.Piles(kTableau); ++p) {
        const int top = ctx.table.GetTop(kTableau, p);
        for (int pos = top; pos >= 0; --pos) {
            const int16_t id = ctx.table.GetPicID(kTableau, p, pos);
            if (id < 0 || ctx.cards[size_t(id)].FaceMode != 0)
                break;
            const cCard &c = ctx.cards[size_t(id)];
            if (pos < top) {
                const int16_t above = ctx.table.GetPicID(kTableau, p, pos + 1);
                if (!multi || above < 0 || !FitsOrder(c, ctx.cards[size_t(above)], runOrder, wrap))
                    break; // the run stops here
            }
            const int16_t below = pos > 0 ? ctx.table.GetPicID(kTableau, p, pos - 1) : int16_t(-1);
            const bool uncovers = below >= 0 && ctx.cards[size_t(below)].FaceMode == 1;
            // Only a card that turns one up or empties its pile is worth moving
            // along the tableau; a top card may still go to a foundation.
            if (uncovers || pos == 0 || pos == top)
                addTargets(ctx, id, int16_t(top - pos), uncovers, false, out);
        }
    }
    if (ctx.table.GetTop(kWaste, 0) >= 0)
        addTargets(ctx, ctx.table.GetTopPicID(kWaste, 0), 0, false, true, out);
}
} // namespace

QStringList RandomPlayer::play(GameContext &ctx, int maxActions, bool record)
{
    QStringList actions;
    std::vector<Candidate> list;
    std::vector<const Candidate *> top;
    int idleTurns = 0; // stock turns since the last other move
    for (int step = 0; ctx.data.GameRunning && step < maxActions; ++step) {
        const int before = ctx.trans->TransPos;
        candidates(ctx, list);
        int best = 3;
        for (const Candidate &c : list)
            best = std::min(best, c.priority);
        top.clear();
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
            if (record)
                actions << QStringLiteral("stock");
            ++idleTurns;
        } else {
            const Candidate &c = *top[std::uniform_int_distribution<size_t>(0, top.size() - 1)(rng_)];
            if (record)
                actions << actionText(ctx, c);
            int32_t mode = kModePlay;
            ctx.table.MoveCard(c.id, c.cell, c.pile, int16_t(ctx.table.GetTop(c.cell, c.pile) + 1), mode,
                               3, c.riders, 0);
            idleTurns = 0;
        }
        moves += ctx.trans ? std::max(0, ctx.trans->TransPos - before) : 0;
        if (!ctx.tableLive)
            break;
    }
    return actions;
}

} // namespace cardova
