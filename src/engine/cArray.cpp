#include "engine/cArray.h"

#include "common/Numeric.h"
#include "engine/AutoPlay.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/cTrans.h"

#include <cmath>
#include <cstring>

namespace cardova {

void cArray::Clear()
{
    std::memset(Slots_, 0xFF, sizeof Slots_); // every entry -1
    std::memset(TopPos_, 0xFF, sizeof TopPos_);
}

void cArray::Init(const GameNumber &gameNo)
{
    Clear();
    std::memset(Deck_, 0xFF, sizeof Deck_);
    RandomInit(gameNo.toDouble());
}

void cArray::RandomInit(double gameNo)
{
    const int n = ctx_.games.TotalCards();
    int16_t work[kDeckSize];
    for (int i = 0; i < n; ++i)
        work[i] = int16_t(i);
    RuntimeRandom &rng = ctx_.rng;
    rng.reseedNegative(-10.0f);
    for (int j = 0; j < n; ++j) {
        rng.mix(gameNo);
        const int idx = n - 1 - j;
        const double r = rng.next();
        // The product of a 24-bit fraction and a small count is exact in a double.
        const int a = static_cast<int>(roundHalfEven(r * idx));
        Deck_[j] = work[a];
        work[a] = work[idx];
    }
}

int16_t cArray::TotalGoalCards() const
{
    int total = 0;
    for (int p = 0; p < 8; ++p)
        total += TopPos_[kFoundation][p] + 1;
    return int16_t(total);
}

int16_t cArray::ClosedCards(int16_t pile) const
{
    if (!inRange(kTableau, pile))
        return 0;
    int16_t closed = 0;
    const int top = TopPos_[kTableau][pile];
    for (int pos = 0; pos <= top; ++pos) {
        const int16_t id = Slots_[kTableau][pile][pos];
        if (id >= 0 && ctx_.cards[size_t(id)].FaceMode == 1)
            ++closed;
    }
    return closed;
}

void cArray::MoveCard(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t &tMod,
                      int16_t speed, int16_t mCards, int32_t dFace)
{
    if (picId < 0 || picId >= kDeckSize || !inRange(dCell, dPile) || dPos < 0 ||
        dPos + mCards >= kSlotsPerPile)
        return;
    BusyScope busy(ctx_);
    const cCard &card = ctx_.cards[size_t(picId)];
    const int16_t sc = card.Cell, sp = card.Pile, ss = card.Pos;

    if (tMod != kModeLog && sc == kTableau && ss > 0) {
        const int16_t below = Slots_[sc][sp][ss - 1];
        if (below >= 0 && ctx_.cards[size_t(below)].FaceMode == 1) {
            ctx_.cards[size_t(below)].FaceMode = 0;
            tMod = kModeUncover;
        }
    }
    if (tMod != kModeLog && tMod != kModeDeal && ctx_.trans)
        ctx_.trans->SaveTrans(picId, dCell, dPile, dPos, mCards, tMod);

    PlaceCard(picId, dCell, dPile, dPos, tMod, speed, dFace);
    for (int i = 1; i <= mCards; ++i) {
        const int16_t rider = inRange(sc, sp) ? Slots_[sc][sp][ss + i] : int16_t(-1);
        if (rider >= 0)
            PlaceCard(rider, dCell, dPile, int16_t(dPos + i), tMod, 0, dFace);
    }
    if (inRange(sc, sp))
        TopPos_[sc][sp] = int16_t(ss - 1);
    TopPos_[dCell][dPile] = int16_t(dPos + mCards);

    if (tMod == kModePlay || tMod == kModeStock || tMod == kModeUncover)
        RunAutoPlay(ctx_);
    if (ctx_.data.GameRunning)
        CheckWin(ctx_);
}

void cArray::PlaceCard(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                       int16_t speed, int32_t dFace)
{
    cCard &card = ctx_.cards[size_t(picId)];
    const int x = ctx_.games.GetCordX(dCell, dPile, dPos);
    const int y = ctx_.games.GetCordY(dCell, dPile, dPos);
    ctx_.bringToFront(picId);
    card.Visible = true;
    if (speed >= 1 && ctx_.animate) {
        const int l0 = card.Left, t0 = card.Top;
        const double dx = std::abs(x - l0), dy = std::abs(y - t0);
        const int sx = l0 < x ? 1 : -1, sy = t0 < y ? 1 : -1;
        for (int i = 1; i <= speed; ++i) {
            card.Left = int32_t(roundHalfEven(l0 + sx * i * dx / speed));
            card.Top = int32_t(roundHalfEven(t0 + sy * i * dy / speed));
            ctx_.surface().repaintNow();
        }
    }
    card.Left = x;
    card.Top = y;
    card.FaceMode = dFace != 0 ? 1 : 0;
    if (tMod != kModeDeal && inRange(card.Cell, card.Pile) && card.Pos >= 0 && card.Pos < kSlotsPerPile)
        Slots_[card.Cell][card.Pile][card.Pos] = -1;
    card.SetLoc(dCell, dPile, dPos);
    Slots_[dCell][dPile][dPos] = picId;
    if (tMod == kModeDeal)
        ctx_.surface().letEventsRun();
}

void cArray::PutCard(int16_t picId, int16_t cell, int16_t pile, int16_t pos)
{
    if (picId < 0 || picId >= kDeckSize || !inRange(cell, pile) || pos < 0 || pos >= kSlotsPerPile)
        return;
    cCard &card = ctx_.cards[size_t(picId)];
    card.SetLoc(cell, pile, pos);
    Slots_[cell][pile][pos] = picId;
    if (TopPos_[cell][pile] < pos)
        TopPos_[cell][pile] = pos;
    card.Left = ctx_.games.GetCordX(cell, pile, pos);
    card.Top = ctx_.games.GetCordY(cell, pile, pos);
    card.Visible = true;
    ctx_.bringToFront(picId);
}

void cArray::AddtoWaste(int16_t picId)
{
    int32_t mode = kModeStock;
    // A turned card moves at the player's card speed, as drops do.
    MoveCard(picId, kWaste, 0, int16_t(GetTop(kWaste, 0) + 1), mode, ctx_.data.CardSpeed(), 0, 0);
}

void cArray::MoveWasteStock()
{
    const int16_t top = GetTopPicID(kWaste, 0);
    if (top < 0)
        return;
    int32_t mode = kModeRecycle;
    MoveCard(top, kStock, 0, int16_t(GetTop(kStock, 0) + 1), mode, 2, 0, 1);
}

} // namespace cardova
