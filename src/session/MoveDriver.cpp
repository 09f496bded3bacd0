#include "session/MoveDriver.h"

#include "engine/PositionOfTable.h"
#include "engine/RulesOfGame.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <algorithm>

namespace cardova {

namespace {
// Automatic play after a move may add up to one move per card.
constexpr int kAutoplayReserve = kDeckSize;
// Cards turned back from the waste move quickly.
constexpr int16_t kRecycleSpeed = 2;

int16_t nextPos(const GameContext &ctx, int cell, int pile)
{
    return int16_t(ctx.table.GetTop(cell, pile) + 1);
}

// Automatic play runs only while a deal lies on the table to move cards on.
bool autoPlayAllowed(const GameContext &ctx)
{
    return ctx.tableLive() && autoplayFollows(ctx);
}

// A move without the automatic play that may follow it.
void moveWithoutAutoPlay(GameContext &ctx, int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos,
                         int32_t &tMod, int16_t speed, int16_t mCards, int32_t dFace)
{
    ctx.table.UncoverBelow(picId, tMod);
    if (tMod != kModeLog && tMod != kModeDeal && ctx.trans)
        ctx.trans->SaveTrans(picId, dCell, dPile, dPos, mCards, tMod);
    ctx.table.PlaceRun(picId, dCell, dPile, dPos, tMod, ctx.animate ? speed : int16_t(0), mCards, dFace);
    if (ctx.GameRunning())
        ctx.winCheckDue = true;
}

// Makes a card move the rules allow, on the table and in p (the table's
// position), as one undo step: where the reserve fills spaces and the move
// empties a tableau pile, the reserve's top goes on into that pile, and
// turning up the reserve card below it is logged with it. False, with
// nothing moved, when the log has no room for its records.
bool carryCard(GameContext &ctx, const Rules &rules, Position &p, const Move &m, int16_t id)
{
    Position next = p;
    const Applied a = apply(next, rules, m);
    if (ctx.trans->freeMoves() < (a.filledSpace ? 2 : 1))
        return false;
    const cCard &card = ctx.cards[size_t(id)];
    const int16_t riders =
        m.source.kind == SourceKind::Tableau ? int16_t(ctx.table.GetTop(kTableau, card.Pile) - card.Pos) : int16_t(0);
    const int16_t cell = cellOfTarget(m.target);
    if (a.filledSpace)
        ctx.trans->StartMulti();
    int32_t mode = kModePlay;
    moveWithoutAutoPlay(ctx, id, cell, m.target.pile, nextPos(ctx, cell, m.target.pile), mode, ctx.data.CardSpeed(),
                        riders, kFaceUp);
    if (a.filledSpace) {
        int32_t fillMode = kModePlay;
        moveWithoutAutoPlay(ctx, ctx.table.GetTopPicID(kReserve, 0), kTableau, m.source.pile, 0, fillMode,
                            ctx.data.CardSpeed(), 0, kFaceUp);
        ctx.trans->EndMulti();
    }
    p = next;
    return true;
}

// Automatic play from position p, the table's position now. The driver
// follows the table with the pure moves instead of reading it again after
// every card.
void autoPlayFrom(GameContext &ctx, const Rules &rules, Position p)
{
    if (!autoPlayAllowed(ctx))
        return;
    // A full log takes no more moves; automatic play simply stops.
    while (ctx.trans && ctx.trans->freeMoves() >= 1) {
        const auto m = autoPlayStep(p, rules);
        const int16_t id = m ? sourceCard(ctx, m->source) : int16_t(-1);
        if (id < 0 || !carryCard(ctx, rules, p, *m, id))
            break;
        ctx.PlaySound(SoundEvent::AutoPlay);
    }
}

// A player's card move in position p, which the rules allow.
bool makeCardMove(GameContext &ctx, const Rules &rules, Position &p, const Move &m)
{
    const int16_t id = sourceCard(ctx, m.source);
    if (id < 0 || !logHasRoom(ctx, 1) || !carryCard(ctx, rules, p, m, id))
        return false;
    autoPlayFrom(ctx, rules, p);
    return true;
}

// One turn of the stock lays the game's draw count of cards on the waste,
// one at a time, as one undo step.
bool turnStock(GameContext &ctx, const Rules &rules, Position &p)
{
    const int count = stockTurnCards(p, rules);
    if (count < 1 || !logHasRoom(ctx, count))
        return false;
    if (count > 1)
        ctx.trans->StartMulti();
    for (int i = 0; i < count; ++i) {
        int32_t mode = kModeStock;
        // A turned card moves at the player's card speed, as drops do.
        moveWithoutAutoPlay(ctx, ctx.table.GetTopPicID(kStock, 0), kWaste, 0, nextPos(ctx, kWaste, 0), mode,
                            ctx.data.CardSpeed(), 0, kFaceUp);
    }
    if (count > 1)
        ctx.trans->EndMulti();
    apply(p, rules, Move::turnStock());
    autoPlayFrom(ctx, rules, p);
    return true;
}
} // namespace

bool autoplayFollows(const GameContext &ctx, const cGames &games)
{
    return !ctx.autoplaySuppressed && games.DisAutoPlay() != kAutoPlayDisabled && ctx.data.Autoplay() != 0;
}

bool autoplayFollows(const GameContext &ctx)
{
    return autoplayFollows(ctx, ctx.games);
}

Rules currentRules(const GameContext &ctx)
{
    return rulesOfGame(ctx.games, ctx.table.BaseNum);
}

Position currentPosition(const GameContext &ctx, const Rules &rules)
{
    Position p = positionOfTable(ctx.table, ctx.cards, rules);
    // The table does not show how often the waste was turned back; the log
    // up to the move now made does.
    if (p.turnBacksLeft != kUnlimitedTurnBacks && ctx.trans)
        p.turnBacksLeft = uint8_t(std::max(0, p.turnBacksLeft - ctx.trans->turnBacksMade()));
    return p;
}

bool logHasRoom(const GameContext &ctx, int moves)
{
    return ctx.trans && moves <= lineLogRoom(ctx);
}

int lineLogRoom(const GameContext &ctx)
{
    return ctx.trans ? ctx.trans->freeMoves() - kAutoplayReserve : 0;
}

int16_t cellOfTarget(const Target &t)
{
    switch (t.kind) {
    case TargetKind::Tableau: return kTableau;
    case TargetKind::Foundation: return kFoundation;
    case TargetKind::Cell: return kFreeCell;
    }
    return kTableau;
}

int16_t sourceCard(const GameContext &ctx, const Source &s)
{
    switch (s.kind) {
    case SourceKind::Tableau:
        return s.pos <= ctx.table.GetTop(kTableau, s.pile) ? ctx.table.GetPicID(kTableau, s.pile, s.pos)
                                                           : int16_t(-1);
    case SourceKind::Waste:
        return ctx.table.GetTopPicID(kWaste, 0);
    case SourceKind::Foundation:
        return ctx.table.GetTopPicID(kFoundation, s.pile);
    case SourceKind::Reserve:
        return ctx.table.GetTopPicID(kReserve, s.pile);
    case SourceKind::Cell:
        return ctx.table.GetTopPicID(kFreeCell, s.pile);
    }
    return -1;
}

Source sourceOf(const GameContext &ctx, int16_t picId)
{
    const cCard &c = ctx.cards[size_t(picId)];
    switch (c.Cell) {
    case kWaste: return {SourceKind::Waste, 0, 0};
    case kFoundation: return {SourceKind::Foundation, uint8_t(c.Pile), uint8_t(c.Pos)};
    // The reserve and a cell are taken from the top only: pos unused.
    case kReserve: return {SourceKind::Reserve, uint8_t(c.Pile), 0};
    case kFreeCell: return {SourceKind::Cell, uint8_t(c.Pile), 0};
    default: return {SourceKind::Tableau, uint8_t(c.Pile), uint8_t(c.Pos)};
    }
}

Move stockClick(const GameContext &ctx)
{
    return ctx.table.GetTop(kStock, 0) >= 0 ? Move::turnStock() : Move::turnWasteBack();
}

bool playMove(GameContext &ctx, const Move &m)
{
    if (!ctx.GameRunning() || !ctx.trans)
        return false;
    ActionScope action(ctx);
    const Rules rules = currentRules(ctx);
    Position p = currentPosition(ctx, rules);
    if (!isLegal(p, rules, m))
        return false;
    switch (m.kind) {
    case MoveKind::TurnStock:
        return turnStock(ctx, rules, p);
    case MoveKind::TurnWasteBack: {
        const int before = ctx.trans->TransPos;
        RecycleWaste(ctx);
        return ctx.trans->TransPos != before;
    }
    case MoveKind::Card:
        return makeCardMove(ctx, rules, p, m);
    }
    return false;
}

void MoveCard(GameContext &ctx, int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t &tMod,
              int16_t speed, int16_t mCards, int32_t dFace)
{
    if (picId < 0 || picId >= kDeckSize || !cArray::validTarget(dCell, dPile, dPos, mCards))
        return;
    ActionScope action(ctx);
    moveWithoutAutoPlay(ctx, picId, dCell, dPile, dPos, tMod, speed, mCards, dFace);
    if (tMod == kModePlay || tMod == kModeStock || tMod == kModeUncover)
        RunAutoPlay(ctx);
}

void AddtoWaste(GameContext &ctx, int16_t picId)
{
    int32_t mode = kModeStock;
    // A turned card moves at the player's card speed, as drops do.
    MoveCard(ctx, picId, kWaste, 0, nextPos(ctx, kWaste, 0), mode, ctx.data.CardSpeed(), 0, kFaceUp);
}

void MoveWasteStock(GameContext &ctx)
{
    const int16_t top = ctx.table.GetTopPicID(kWaste, 0);
    if (top < 0)
        return;
    int32_t mode = kModeRecycle;
    MoveCard(ctx, top, kStock, 0, nextPos(ctx, kStock, 0), mode, kRecycleSpeed, 0, kFaceDown);
}

void RecycleWaste(GameContext &ctx)
{
    if (!ctx.tableLive() || !ctx.trans)
        return;
    const int16_t count = int16_t(ctx.table.GetTop(kWaste, 0) + 1);
    if (count <= 0 || !logHasRoom(ctx, count))
        return;
    ActionScope action(ctx);
    ctx.trans->StartMulti();
    for (int i = 0; i < count; ++i)
        MoveWasteStock(ctx);
    ctx.trans->EndMulti();
}

void RunAutoPlay(GameContext &ctx)
{
    if (!autoPlayAllowed(ctx))
        return;
    ActionScope action(ctx);
    const Rules rules = currentRules(ctx);
    autoPlayFrom(ctx, rules, currentPosition(ctx, rules));
}

bool AutoToGoal(GameContext &ctx, int16_t picId)
{
    if (picId < 0 || picId >= kDeckSize || !ctx.tableLive() || !ctx.trans || ctx.trans->freeMoves() < 1)
        return false;
    ActionScope action(ctx);
    const Rules rules = currentRules(ctx);
    const Position p = currentPosition(ctx, rules);
    const CardCode card = cardCodeOf(ctx.cards[size_t(picId)]);
    for (int16_t g = 0; g < kFoundationPiles; ++g) {
        if (!foundationAccepts(p, rules, g, card, false))
            continue;
        int32_t mode = kModePlay;
        MoveCard(ctx, picId, kFoundation, g, nextPos(ctx, kFoundation, g), mode, ctx.data.CardSpeed(), 0, kFaceUp);
        ctx.PlaySound(SoundEvent::AutoPlay);
        return true;
    }
    return false;
}

} // namespace cardova
