#include "engine/Input.h"

#include "common/Numeric.h"
#include "engine/MoveRules.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

namespace cardova {

namespace {
// Fan offset of a run that follows the mouse.
constexpr int kDragFan = 250;
// Automatic play after a move may add up to one move per card.
constexpr int kAutoplayReserve = kDeckSize;

bool logHasRoom(const GameContext &ctx, int moves)
{
    return ctx.trans && ctx.trans->freeMoves() >= moves + kAutoplayReserve;
}

void carryRun(GameContext &ctx, int16_t picId, int32_t left, int32_t top)
{
    const cCard &card = ctx.cards[size_t(picId)];
    for (int i = 1; i <= ctx.input.DragCount; ++i) {
        const int16_t rider = ctx.table.GetPicID(kTableau, card.Pile, card.Pos + i);
        if (rider < 0)
            break;
        cCard &r = ctx.cards[size_t(rider)];
        r.Left = left;
        r.Top = top + kDragFan * i;
        ctx.bringToFront(rider);
    }
}

bool tryDrop(GameContext &ctx, int16_t picId, bool centreMode)
{
    const int piles = ctx.games.Piles(kTableau);
    for (int16_t b = 0; b < piles; ++b) {
        const int16_t t = ctx.table.GetTop(kTableau, b);
        if (!HitTest(ctx, picId, kTableau, b, t, centreMode) || !TableauAccepts(ctx, b, picId))
            continue;
        int32_t mode = kModePlay;
        ctx.table.MoveCard(picId, kTableau, b, int16_t(t + 1), mode, ctx.data.CardSpeed(), ctx.input.DragCount, 0);
        return true;
    }
    if (ctx.input.DragCount != 0)
        return false;
    for (int16_t g = 0; g < 4; ++g) {
        if (!HitTest(ctx, picId, kFoundation, g, 0, centreMode) ||
            !FoundationAccepts(ctx, g, picId, true))
            continue;
        int32_t mode = kModePlay;
        ctx.table.MoveCard(picId, kFoundation, g, int16_t(ctx.table.GetTop(kFoundation, g) + 1),
                           mode, ctx.data.CardSpeed(), 0, 0);
        return true;
    }
    return false;
}
} // namespace

void CardMouseDown(GameContext &ctx, int16_t picId, double x, double y)
{
    if (!ctx.data.GameRunning || !ctx.tableLive || picId < 0 || picId >= kDeckSize)
        return;
    ActionScope action(ctx);
    ctx.input.DragCount = 0;
    ctx.input.GrabX = round16(x);
    ctx.input.GrabY = round16(y);
    PickCard(ctx, picId);
    ctx.PlaySound(SoundEvent::CardDown);
}

void CardMouseMove(GameContext &ctx, int16_t picId, double x, double y)
{
    if (!ctx.input.Dragging || !ctx.tableLive || picId != ctx.input.PickedID)
        return;
    DragCard(ctx, picId, x, y);
}

void CardMouseUp(GameContext &ctx, int16_t picId)
{
    if (!ctx.input.Dragging)
        return;
    ActionScope action(ctx);
    ctx.input.Dragging = false;
    if (ctx.data.GameRunning && ctx.tableLive && picId == ctx.input.PickedID)
        DropCard(ctx, picId);
    ctx.input.PickedID = -1;
    ctx.PlaySound(SoundEvent::CardUp);
}

void StockMarkerClick(GameContext &ctx)
{
    if (!ctx.data.GameRunning || !ctx.tableLive || ctx.games.StockNum() != 2)
        return;
    CommandScope command(ctx);
    RecycleWaste(ctx);
}

void PickCard(GameContext &ctx, int16_t picId)
{
    const cCard &card = ctx.cards[size_t(picId)];
    InputState &in = ctx.input;
    in.PickedID = picId;
    switch (card.Cell) {
    case kTableau: {
        const int16_t top = ctx.table.GetTop(kTableau, card.Pile);
        if (card.Pos == top) {
            in.Dragging = true;
            break;
        }
        in.DragCount = int16_t(top - card.Pos);
        if (card.FaceMode == 0 && ctx.games.MultiMove() != 0 && RunInOrder(ctx, picId, in.DragCount)) {
            in.Dragging = true;
            for (int pos = card.Pos + 1; pos <= top; ++pos)
                ctx.bringToFront(ctx.table.GetPicID(kTableau, card.Pile, pos));
        }
        break;
    }
    case kStock:
        if (card.Pos == ctx.table.GetTop(kStock, card.Pile) && logHasRoom(ctx, 1))
            ctx.table.AddtoWaste(picId);
        break;
    case kWaste:
        in.Dragging = card.Pos == ctx.table.GetTop(kWaste, card.Pile);
        break;
    case kFoundation:
        in.Dragging = true;
        break;
    default:
        break;
    }
}

void DragCard(GameContext &ctx, int16_t picId, double x, double y)
{
    cCard &card = ctx.cards[size_t(picId)];
    const int32_t left = int32_t(roundHalfEven(card.Left + x - ctx.input.GrabX));
    const int32_t top = int32_t(roundHalfEven(card.Top + y - ctx.input.GrabY));
    card.Left = left;
    card.Top = top;
    ctx.bringToFront(picId);
    carryRun(ctx, picId, left, top);
    // Follows the mouse: schedule a repaint, never wait for a frame here.
    ctx.surface().tableChanged();
}

bool HitTest(const GameContext &ctx, int16_t picId, int16_t cell, int16_t pile, int16_t pos,
             bool centreMode)
{
    const cCard &card = ctx.cards[size_t(picId)];
    const long long tx = ctx.games.GetCordX(cell, pile, pos);
    const long long ty = ctx.games.GetCordY(cell, pile, pos);
    if (centreMode) {
        // Centre: left + 532.5 rounded half to even is left + 532.
        const long long cx = static_cast<long long>(card.Left) + 532;
        const long long cy = static_cast<long long>(card.Top) + kCardHeight / 2;
        return cx > tx && cx < tx + kCardWidth && cy > ty && cy < ty + kCardHeight;
    }
    const long long l = card.Left, t = card.Top;
    return l < tx + kCardWidth && tx < l + kCardWidth && t < ty + kCardHeight && ty < t + kCardHeight;
}

namespace {
// The picked card still lies where the press found it, with the same cards
// riding on it. Anything else means the table changed under the mouse.
bool pickStillValid(const GameContext &ctx, int16_t picId)
{
    const cCard &card = ctx.cards[size_t(picId)];
    const int16_t top = ctx.table.GetTop(card.Cell, card.Pile);
    if (card.Cell == kTableau)
        return ctx.table.GetPicID(kTableau, card.Pile, card.Pos) == picId &&
               top - card.Pos == ctx.input.DragCount;
    return ctx.input.DragCount == 0 && ctx.table.GetPicID(card.Cell, card.Pile, card.Pos) == picId;
}
} // namespace

void DropCard(GameContext &ctx, int16_t picId)
{
    if (!pickStillValid(ctx, picId)) {
        ReturnCard(ctx, picId);
        return;
    }
    // Leave the log room for the move and the automatic moves it may cause.
    if (logHasRoom(ctx, 1) && (tryDrop(ctx, picId, true) || tryDrop(ctx, picId, false)))
        return;
    ReturnCard(ctx, picId);
}

void ReturnCard(GameContext &ctx, int16_t picId)
{
    // Every card goes back to the slot it lies in now. That is where the
    // press found it, unless something moved cards meanwhile; the slot is
    // the truth either way.
    const cCard &card = ctx.cards[size_t(picId)];
    const int16_t riders = card.Cell == kTableau
                               ? int16_t(ctx.table.GetTop(kTableau, card.Pile) - card.Pos)
                               : int16_t(0);
    for (int i = 0; i <= riders; ++i) {
        const int16_t id = i == 0 ? picId : ctx.table.GetPicID(kTableau, card.Pile, card.Pos + i);
        if (id < 0)
            break;
        cCard &c = ctx.cards[size_t(id)];
        c.Left = ctx.games.GetCordX(c.Cell, c.Pile, c.Pos);
        c.Top = ctx.games.GetCordY(c.Cell, c.Pile, c.Pos);
    }
    ctx.surface().tableChanged();
}

void CancelDrag(GameContext &ctx)
{
    InputState &in = ctx.input;
    const bool held = in.Dragging && in.PickedID >= 0 && in.PickedID < kDeckSize;
    in.Dragging = false;
    in.DragCount = 0;
    if (held && ctx.tableLive)
        ReturnCard(ctx, in.PickedID);
    in.PickedID = -1;
}

void RecycleWaste(GameContext &ctx)
{
    if (!ctx.tableLive || !ctx.trans)
        return;
    const int16_t count = int16_t(ctx.table.GetTop(kWaste, 0) + 1);
    if (count <= 0 || !logHasRoom(ctx, count))
        return;
    ctx.trans->StartMulti();
    for (int i = 0; i < count; ++i)
        if (ctx.table.GetTop(kWaste, 0) >= 0)
            ctx.table.MoveWasteStock();
    ctx.trans->EndMulti();
    ctx.surface().tableChanged();
}

} // namespace cardova
