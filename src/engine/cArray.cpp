#include "engine/cArray.h"

#include "common/Numeric.h"

#include <cmath>
#include <cstring>

namespace cardova {

cArray::cArray(const cGames &games, CardSprites &cards, RuntimeRandom &rng)
    : games_(games), cards_(cards), rng_(rng)
{
    Clear();
    std::memset(Deck_, 0xFF, sizeof Deck_);
}

void cArray::Clear()
{
    std::memset(Slots_, 0xFF, sizeof Slots_); // every entry -1
    std::memset(TopPos_, 0xFF, sizeof TopPos_);
    BaseNum = 0;
}

void cArray::Init(double gameNo)
{
    Clear();
    std::memset(Deck_, 0xFF, sizeof Deck_);
    RandomInit(gameNo);
}

void cArray::RandomInit(double gameNo)
{
    const int n = games_.TotalCards();
    int16_t work[kDeckSize];
    for (int i = 0; i < n; ++i)
        work[i] = int16_t(i);
    RuntimeRandom &rng = rng_;
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

int16_t cArray::PileCards(int16_t pile) const
{
    return inRange(kTableau, pile) ? int16_t(TopPos_[kTableau][pile] + 1) : int16_t(0);
}

bool cArray::LayOutTableau()
{
    bool moved = false;
    for (int pile = 0; pile < games_.Piles(kTableau) && inRange(kTableau, pile); ++pile) {
        for (int pos = 0; pos <= TopPos_[kTableau][pile]; ++pos) {
            const int16_t id = Slots_[kTableau][pile][pos];
            if (id < 0)
                continue;
            cCard &card = cards_[size_t(id)];
            const int32_t x = games_.GetCordX(kTableau, pile, pos), y = games_.GetCordY(kTableau, pile, pos);
            moved = moved || card.Left != x || card.Top != y;
            card.Left = x;
            card.Top = y;
        }
    }
    return moved;
}

int16_t cArray::ClosedCards(int16_t pile) const
{
    if (!inRange(kTableau, pile))
        return 0;
    int16_t closed = 0;
    const int top = TopPos_[kTableau][pile];
    for (int pos = 0; pos <= top; ++pos) {
        const int16_t id = Slots_[kTableau][pile][pos];
        if (id >= 0 && cards_[size_t(id)].FaceMode == kFaceDown)
            ++closed;
    }
    return closed;
}

void cArray::UncoverBelow(int16_t picId, int32_t &tMod)
{
    if (picId < 0 || picId >= kDeckSize || tMod == kModeLog)
        return;
    const cCard &card = cards_[size_t(picId)];
    if (card.Cell != kTableau || card.Pos <= 0 || !inRange(card.Cell, card.Pile))
        return;
    const int16_t below = Slots_[card.Cell][card.Pile][card.Pos - 1];
    if (below >= 0 && cards_[size_t(below)].FaceMode == kFaceDown) {
        cards_[size_t(below)].FaceMode = kFaceUp;
        tMod = kModeUncover;
    }
}

void cArray::PlaceRun(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                      int16_t speed, int16_t mCards, int32_t dFace)
{
    if (picId < 0 || picId >= kDeckSize || !inRange(dCell, dPile) || dPos < 0 ||
        dPos + mCards >= kSlotsPerPile)
        return;
    const cCard &card = cards_[size_t(picId)];
    const int16_t sc = card.Cell, sp = card.Pile, ss = card.Pos;
    PlaceCard(picId, dCell, dPile, dPos, tMod, speed, dFace);
    for (int i = 1; i <= mCards; ++i) {
        const int16_t rider = inRange(sc, sp) ? Slots_[sc][sp][ss + i] : int16_t(-1);
        if (rider >= 0)
            PlaceCard(rider, dCell, dPile, int16_t(dPos + i), tMod, 0, dFace);
    }
    if (inRange(sc, sp))
        TopPos_[sc][sp] = int16_t(ss - 1);
    TopPos_[dCell][dPile] = int16_t(dPos + mCards);
}

void cArray::PlaceCard(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                       int16_t speed, int32_t dFace)
{
    cCard &card = cards_[size_t(picId)];
    const int x = games_.GetCordX(dCell, dPile, dPos);
    const int y = games_.GetCordY(dCell, dPile, dPos);
    bringToFront(picId);
    card.Visible = true;
    if (speed >= 1 && surface_) {
        const int l0 = card.Left, t0 = card.Top;
        const double dx = std::abs(x - l0), dy = std::abs(y - t0);
        const int sx = l0 < x ? 1 : -1, sy = t0 < y ? 1 : -1;
        for (int i = 1; i <= speed; ++i) {
            card.Left = int32_t(roundHalfEven(l0 + sx * i * dx / speed));
            card.Top = int32_t(roundHalfEven(t0 + sy * i * dy / speed));
            surface_->repaintNow();
        }
    }
    card.Left = x;
    card.Top = y;
    card.FaceMode = dFace != 0 ? kFaceDown : kFaceUp;
    if (tMod != kModeDeal && inRange(card.Cell, card.Pile) && card.Pos >= 0 && card.Pos < kSlotsPerPile)
        Slots_[card.Cell][card.Pile][card.Pos] = -1;
    card.SetLoc(dCell, dPile, dPos);
    Slots_[dCell][dPile][dPos] = picId;
    if (tMod == kModeDeal && surface_)
        surface_->letEventsRun();
}

void cArray::PutCard(int16_t picId, int16_t cell, int16_t pile, int16_t pos)
{
    if (picId < 0 || picId >= kDeckSize || !inRange(cell, pile) || pos < 0 || pos >= kSlotsPerPile)
        return;
    cCard &card = cards_[size_t(picId)];
    card.SetLoc(cell, pile, pos);
    Slots_[cell][pile][pos] = picId;
    if (TopPos_[cell][pile] < pos)
        TopPos_[cell][pile] = pos;
    card.Left = games_.GetCordX(cell, pile, pos);
    card.Top = games_.GetCordY(cell, pile, pos);
    card.Visible = true;
    bringToFront(picId);
}

} // namespace cardova
