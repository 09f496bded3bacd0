#include "session/Input.h"

#include "common/Numeric.h"
#include "engine/HitTest.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/MoveRefusal.h"

namespace cardova {

namespace {
// Fan offset of a run that follows the mouse.
constexpr int kDragFan = 250;
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

// The first pile under a card at (left, top) that accepts the move there,
// tableau piles before foundations and free cells, in one pass of the hit
// test.
template <class Accepts>
std::optional<Move> dropPass(const GameContext &ctx, const Source &from, int32_t left, int32_t top, bool centreMode,
                             const Accepts &accepts)
{
    const int piles = ctx.games.Piles(kTableau);
    for (int16_t b = 0; b < piles; ++b) {
        const Move m = Move::card(from, {TargetKind::Tableau, uint8_t(b)});
        if (HitTest(ctx.table.layout(), left, top, kTableau, b, ctx.table.GetTop(kTableau, b), centreMode) &&
            accepts(m))
            return m;
    }
    for (int16_t g = 0; g < kFoundationPiles; ++g) {
        const Move m = Move::card(from, {TargetKind::Foundation, uint8_t(g)});
        if (HitTest(ctx.table.layout(), left, top, kFoundation, g, 0, centreMode) && accepts(m))
            return m;
    }
    const int cells = ctx.games.Piles(kFreeCell);
    for (int16_t c = 0; c < cells; ++c) {
        const Move m = Move::card(from, {TargetKind::Cell, uint8_t(c)});
        if (HitTest(ctx.table.layout(), left, top, kFreeCell, c, 0, centreMode) && accepts(m))
            return m;
    }
    return std::nullopt;
}

// The pile a drop finds: by the card's centre first, then by overlap.
template <class Accepts>
std::optional<Move> firstDrop(const GameContext &ctx, int16_t picId, int32_t left, int32_t top, const Accepts &accepts)
{
    const Source from = sourceOf(ctx, picId);
    if (auto m = dropPass(ctx, from, left, top, true, accepts))
        return m;
    return dropPass(ctx, from, left, top, false, accepts);
}
} // namespace

void CardMouseDown(GameContext &ctx, int16_t picId, double x, double y)
{
    if (!ctx.GameRunning() || picId < 0 || picId >= kDeckSize)
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
    if (!ctx.input.Dragging || !ctx.tableLive() || picId != ctx.input.PickedID)
        return;
    DragCard(ctx, picId, x, y);
}

void CardMouseUp(GameContext &ctx, int16_t picId)
{
    if (!ctx.input.Dragging)
        return;
    ActionScope action(ctx);
    ctx.input.Dragging = false;
    if (ctx.GameRunning() && picId == ctx.input.PickedID)
        DropCard(ctx, picId);
    ctx.input.PickedID = -1;
    ctx.PlaySound(SoundEvent::CardUp);
}

void StockMarkerClick(GameContext &ctx)
{
    if (!ctx.GameRunning())
        return;
    CommandScope command(ctx);
    playMove(ctx, Move::turnWasteBack());
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
        const Rules rules = currentRules(ctx);
        if (canPickUp(currentPosition(ctx, rules), rules, sourceOf(ctx, picId))) {
            in.Dragging = true;
            for (int pos = card.Pos + 1; pos <= top; ++pos)
                ctx.bringToFront(ctx.table.GetPicID(kTableau, card.Pile, pos));
        }
        break;
    }
    case kStock:
        if (card.Pos == ctx.table.GetTop(kStock, card.Pile))
            playMove(ctx, Move::turnStock());
        break;
    case kWaste:
        in.Dragging = card.Pos == ctx.table.GetTop(kWaste, card.Pile);
        break;
    case kFoundation:
    case kReserve:
    case kFreeCell:
        // Only the top card: the ones below lie hidden under it.
        in.Dragging = card.Pos == ctx.table.GetTop(card.Cell, card.Pile);
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

bool HitTest(const GameContext &ctx, int16_t picId, int16_t cell, int16_t pile, int16_t pos, bool centreMode)
{
    return HitTest(ctx.table.layout(), ctx.cards[size_t(picId)], cell, pile, pos, centreMode);
}

std::optional<Move> dropMove(const GameContext &ctx, int16_t picId, int32_t left, int32_t top)
{
    const Rules rules = currentRules(ctx);
    const Position position = currentPosition(ctx, rules);
    // A run is never taken by a foundation or a cell: the rules refuse it.
    return firstDrop(ctx, picId, left, top, [&](const Move &m) { return isLegal(position, rules, m); });
}

std::optional<Move> refusedRunDrop(const GameContext &ctx, int16_t picId, int32_t left, int32_t top)
{
    const Rules rules = currentRules(ctx);
    const Position position = currentPosition(ctx, rules);
    return firstDrop(ctx, picId, left, top,
                     [&](const Move &m) { return runTooLong(position, rules, m).has_value(); });
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
    const cCard &card = ctx.cards[size_t(picId)];
    if (logHasRoom(ctx, 1)) {
        const auto move = dropMove(ctx, picId, card.Left, card.Top);
        if (move && playMove(ctx, *move))
            return;
        // No pile takes it; one may have but for the run's length.
        const auto refused = move ? std::nullopt : refusedRunDrop(ctx, picId, card.Left, card.Top);
        if (refused)
            explainRefusal(ctx, *refused);
    }
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
        c.Left = ctx.table.layout().slotX(c.Cell, c.Pile, c.Pos);
        c.Top = ctx.table.layout().slotY(c.Cell, c.Pile, c.Pos);
    }
    ctx.surface().tableChanged();
}

void CancelDrag(GameContext &ctx)
{
    InputState &in = ctx.input;
    const bool held = in.Dragging && in.PickedID >= 0 && in.PickedID < kDeckSize;
    in.Dragging = false;
    in.DragCount = 0;
    if (held && ctx.tableLive())
        ReturnCard(ctx, in.PickedID);
    in.PickedID = -1;
    in.keyHeld.reset();
}

} // namespace cardova
