#include "RandomPlayer.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <vector>

namespace cardova {

namespace {
struct Candidate {
    Move move;
    int priority; // lower is better
};

// The move in the driver's syntax.
QString actionText(const Move &m)
{
    QString source;
    switch (m.source.kind) {
    case SourceKind::Tableau: source = QStringLiteral("t%1:%2").arg(m.source.pile).arg(m.source.pos); break;
    case SourceKind::Waste: source = QStringLiteral("w"); break;
    case SourceKind::Foundation: source = QStringLiteral("f%1").arg(m.source.pile); break;
    }
    const QString target = m.target.kind == TargetKind::Tableau ? QStringLiteral(">t%1") : QStringLiteral(">f%1");
    return source + target.arg(m.target.pile);
}

// Sorts the legal moves into kinds: a card to a foundation (its first one
// only), a tableau move that turns a card up or empties a pile, a waste card
// to the tableau. Other tableau moves and moves off the foundations are not
// worth making for a player that only wants to get on.
void candidates(const Position &p, const Rules &rules, MoveList &moves, std::vector<Candidate> &out)
{
    legalMoves(p, rules, moves);
    out.clear();
    const Move *lastToFoundation = nullptr;
    for (const Move &m : moves) {
        if (m.kind != MoveKind::Card || m.source.kind == SourceKind::Foundation)
            continue;
        if (m.target.kind == TargetKind::Foundation) {
            if (!lastToFoundation || !(lastToFoundation->source == m.source))
                out.push_back({m, 0});
            lastToFoundation = &m;
            continue;
        }
        if (m.source.kind == SourceKind::Waste) {
            out.push_back({m, 2});
            continue;
        }
        const int pile = PileIndex::tableau(m.source.pile);
        const bool uncovers = m.source.pos > 0 && isFaceDown(p.at(pile, m.source.pos - 1));
        const bool wholePile = m.source.pos == 0;
        // Moving a whole pile onto an empty one changes nothing.
        if (wholePile && p.isEmpty(PileIndex::tableau(m.target.pile)))
            continue;
        if (uncovers || wholePile)
            out.push_back({m, 1});
    }
}
} // namespace

QStringList RandomPlayer::play(GameContext &ctx, int maxActions, bool record)
{
    QStringList actions;
    for (const Move &m : playMoves(ctx, maxActions))
        if (record)
            actions << (m.kind == MoveKind::Card ? actionText(m) : QStringLiteral("stock"));
    return actions;
}

std::vector<Move> RandomPlayer::playMoves(GameContext &ctx, int maxActions)
{
    std::vector<Move> made;
    std::vector<Candidate> list;
    std::vector<const Candidate *> top;
    int idleTurns = 0; // stock turns since the last other move
    for (int step = 0; ctx.GameRunning() && step < maxActions; ++step) {
        const int before = ctx.trans->TransPos;
        const Rules rules = currentRules(ctx);
        const Position position = currentPosition(ctx, rules);
        candidates(position, rules, *moves_, list);
        int best = 3;
        for (const Candidate &c : list)
            best = std::min(best, c.priority);
        top.clear();
        for (const Candidate &c : list)
            if (c.priority == best)
                top.push_back(&c);
        const int stockSize = position.size(PileIndex::kStock) + position.size(PileIndex::kWaste);
        if (top.empty() || (idleTurns > 0 && best == 2 && std::uniform_int_distribution<int>(0, 2)(rng_) == 0)) {
            const Move turn = position.isEmpty(PileIndex::kStock) ? Move::turnWasteBack() : Move::turnStock();
            if (stockSize == 0 || idleTurns > 2 * stockSize + 2 || !playMove(ctx, turn))
                break; // stuck
            made.push_back(turn);
            ++idleTurns;
        } else {
            const Candidate &c = *top[std::uniform_int_distribution<size_t>(0, top.size() - 1)(rng_)];
            if (!playMove(ctx, c.move))
                break;
            made.push_back(c.move);
            idleTurns = 0;
        }
        moves += ctx.trans ? std::max(0, ctx.trans->TransPos - before) : 0;
        if (!ctx.GameRunning())
            break;
    }
    return made;
}

} // namespace cardova
