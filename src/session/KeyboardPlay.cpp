#include "session/KeyboardPlay.h"

#include "session/CardNames.h"
#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/MoveRefusal.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace cardova {

namespace {
using Spot = KeyboardPlay::Spot;
// The areas Left and Right walk, in the order a player reads the table: the
// top row (stock, waste, free cells, foundations), then the reserve and the
// tableau beside it.
constexpr std::array kWalk = {Spot::Stock, Spot::Waste, Spot::Cell, Spot::Foundation, Spot::Reserve, Spot::Tableau};
} // namespace

int KeyboardPlay::pilesAt(Spot spot) const
{
    switch (spot) {
    case Spot::Foundation: return kFoundationPiles;
    case Spot::Tableau: return ctx_.games.Piles(kTableau);
    // A game without a stock has neither stock nor waste to stand on.
    default: return ctx_.games.Piles(cellOf(spot));
    }
}

int KeyboardPlay::spots() const
{
    int n = 0;
    for (const Spot spot : kWalk)
        n += pilesAt(spot);
    return n;
}

KeyboardPlay::Cursor KeyboardPlay::cursorAt(int index) const
{
    for (const Spot spot : kWalk) {
        const int piles = pilesAt(spot);
        if (index >= piles) {
            index -= piles;
            continue;
        }
        if (spot != Spot::Tableau)
            return {spot, index, -1};
        const int top = ctx_.table.GetTop(kTableau, index);
        const int pos = pos_ < 0 || pos_ > top ? top : std::max(pos_, firstFaceUp(index));
        return {Spot::Tableau, index, pos};
    }
    return {Spot::Tableau, 0, -1};
}

KeyboardPlay::Cursor KeyboardPlay::cursor() const
{
    return cursorAt(std::clamp(index_, 0, std::max(0, spots() - 1)));
}

void KeyboardPlay::step(int direction)
{
    show();
    const int n = spots();
    if (n <= 0)
        return;
    index_ = ((index_ + direction) % n + n) % n;
    pos_ = -1;
}

int KeyboardPlay::firstFaceUp(int pile) const
{
    const int top = ctx_.table.GetTop(kTableau, pile);
    int pos = top;
    while (pos > 0) {
        const int16_t below = ctx_.table.GetPicID(kTableau, pile, pos - 1);
        if (below < 0 || ctx_.cards[size_t(below)].FaceMode != kFaceUp)
            break;
        --pos;
    }
    return pos;
}

void KeyboardPlay::along(int direction)
{
    show();
    const Cursor c = cursor();
    if (c.spot != Spot::Tableau || c.pos < 0)
        return;
    const int top = ctx_.table.GetTop(kTableau, c.pile);
    pos_ = std::clamp(c.pos + direction, firstFaceUp(c.pile), top);
}

int16_t KeyboardPlay::cardUnderCursor() const
{
    const Cursor c = cursor();
    switch (c.spot) {
    case Spot::Stock: return ctx_.table.GetTopPicID(kStock, 0);
    case Spot::Waste: return ctx_.table.GetTopPicID(kWaste, 0);
    case Spot::Foundation: return ctx_.table.GetTopPicID(kFoundation, c.pile);
    case Spot::Reserve: return ctx_.table.GetTopPicID(kReserve, c.pile);
    case Spot::Cell: return ctx_.table.GetTopPicID(kFreeCell, c.pile);
    case Spot::Tableau: return c.pos < 0 ? int16_t(-1) : ctx_.table.GetPicID(kTableau, c.pile, c.pos);
    }
    return -1;
}

std::optional<Source> KeyboardPlay::sourceUnderCursor() const
{
    const int16_t card = cardUnderCursor();
    const Cursor c = cursor();
    if (card < 0 || c.spot == Spot::Stock)
        return std::nullopt;
    return sourceOf(ctx_, card);
}

bool KeyboardPlay::select()
{
    show();
    if (!ctx_.GameRunning())
        return false;
    const Cursor c = cursor();
    if (!ctx_.input.keyHeld) {
        if (c.spot == Spot::Stock)
            return turnStock();
        const auto source = sourceUnderCursor();
        const Rules rules = currentRules(ctx_);
        if (source && canPickUp(currentPosition(ctx_, rules), rules, *source))
            ctx_.input.keyHeld = source;
        return false;
    }
    const Source from = *ctx_.input.keyHeld;
    ctx_.input.keyHeld.reset();
    const TargetKind kind = c.spot == Spot::Tableau      ? TargetKind::Tableau
                            : c.spot == Spot::Foundation ? TargetKind::Foundation
                                                         : TargetKind::Cell;
    if (c.spot != Spot::Tableau && c.spot != Spot::Foundation && c.spot != Spot::Cell)
        return false;
    const Move move = Move::card(from, {kind, uint8_t(c.pile)});
    const bool moved = playMove(ctx_, move);
    if (!moved)
        explainRefusal(ctx_, move);
    pos_ = -1;
    return moved;
}

std::optional<Source> KeyboardPlay::held() const
{
    return ctx_.input.keyHeld;
}

void KeyboardPlay::cancel()
{
    ctx_.input.keyHeld.reset();
}

void KeyboardPlay::hide()
{
    visible_ = false;
    ctx_.input.keyHeld.reset();
}

bool KeyboardPlay::turnStock()
{
    show();
    ctx_.input.keyHeld.reset();
    if (!ctx_.GameRunning())
        return false;
    return playMove(ctx_, stockClick(ctx_));
}

bool KeyboardPlay::sendHome()
{
    show();
    ctx_.input.keyHeld.reset();
    const auto source = sourceUnderCursor();
    if (!source || !ctx_.GameRunning())
        return false;
    for (uint8_t g = 0; g < kFoundationPiles; ++g)
        if (playMove(ctx_, Move::card(*source, {TargetKind::Foundation, g}))) {
            pos_ = -1;
            return true;
        }
    return false;
}

QString KeyboardPlay::describe() const
{
    const Cursor c = cursor();
    const QString place = pileName(cellOf(c.spot), c.pile);
    const int16_t id = cardUnderCursor();
    if (id < 0)
        return place + QStringLiteral(", empty");
    const cCard &card = ctx_.cards[size_t(id)];
    if (card.FaceMode != kFaceUp)
        return place + QStringLiteral(", a card face down");
    return cardName(card) + QStringLiteral(", ") + place;
}

int cellOf(KeyboardPlay::Spot spot)
{
    switch (spot) {
    case KeyboardPlay::Spot::Stock: return kStock;
    case KeyboardPlay::Spot::Waste: return kWaste;
    case KeyboardPlay::Spot::Foundation: return kFoundation;
    case KeyboardPlay::Spot::Reserve: return kReserve;
    case KeyboardPlay::Spot::Cell: return kFreeCell;
    case KeyboardPlay::Spot::Tableau: break;
    }
    return kTableau;
}

} // namespace cardova
