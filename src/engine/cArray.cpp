#include "engine/cArray.h"

#include "common/Numeric.h"

#include <cmath>
#include <cstring>

namespace cardova {

cArray::cArray(const cGames &games, CardSprites &cards, RuntimeRandom &rng)
    : games_(games), cards_(cards), rng_(rng), ownLayout_(games, *this)
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

bool cArray::layOutPile(int cell, int pile)
{
    bool moved = false;
    for (int pos = 0; pos <= TopPos_[cell][pile]; ++pos) {
        const int16_t id = Slots_[cell][pile][pos];
        if (id < 0)
            continue;
        cCard &card = cards_[size_t(id)];
        const int32_t x = layout_->slotX(cell, pile, pos), y = layout_->slotY(cell, pile, pos);
        moved = moved || card.Left != x || card.Top != y;
        card.Left = x;
        card.Top = y;
    }
    return moved;
}

bool cArray::LayOutTableau()
{
    bool moved = false;
    for (int pile = 0; pile < games_.Piles(kTableau) && inRange(kTableau, pile); ++pile)
        moved = layOutPile(kTableau, pile) || moved;
    return layOutPile(kWaste, 0) || moved;
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
    // Tableau piles and the reserve lie face down under their top card.
    if ((card.Cell != kTableau && card.Cell != kReserve) || card.Pos <= 0 || !inRange(card.Cell, card.Pile))
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
    std::array<int16_t, kSlotsPerPile> run{};
    int count = 0;
    run[size_t(count++)] = picId;
    for (int i = 1; i <= mCards; ++i) {
        const int16_t rider = inRange(sc, sp) && ss + i < kSlotsPerPile ? Slots_[sc][sp][ss + i] : int16_t(-1);
        if (rider >= 0)
            run[size_t(count++)] = rider;
    }
    glide(run.data(), count, dCell, dPile, dPos, speed);
    PlaceCard(picId, dCell, dPile, dPos, tMod, 0, dFace);
    for (int i = 1; i < count; ++i)
        PlaceCard(run[size_t(i)], dCell, dPile, int16_t(dPos + i), tMod, 0, dFace);
    if (inRange(sc, sp))
        TopPos_[sc][sp] = int16_t(ss - 1);
    TopPos_[dCell][dPile] = int16_t(dPos + mCards);
    // A fanned waste shows its new top cards.
    if (dCell == kWaste || sc == kWaste)
        layOutPile(kWaste, 0);
}

void cArray::glide(const int16_t *run, int count, int16_t dCell, int16_t dPile, int16_t dPos, int16_t speed)
{
    for (int k = 0; k < count; ++k) {
        bringToFront(run[k]);
        cards_[size_t(run[k])].Visible = true;
    }
    if (speed < 1 || !surface_)
        return;
    struct Path {
        int l0, t0, x, y;
    };
    std::array<Path, kSlotsPerPile> paths{};
    for (int k = 0; k < count; ++k) {
        const cCard &c = cards_[size_t(run[k])];
        paths[size_t(k)] = {c.Left, c.Top, layout_->slotX(dCell, dPile, dPos + k),
                            layout_->slotY(dCell, dPile, dPos + k)};
    }
    for (int i = 1; i <= speed; ++i) {
        for (int k = 0; k < count; ++k) {
            const Path &p = paths[size_t(k)];
            const double dx = std::abs(p.x - p.l0), dy = std::abs(p.y - p.t0);
            const int sx = p.l0 < p.x ? 1 : -1, sy = p.t0 < p.y ? 1 : -1;
            cCard &c = cards_[size_t(run[k])];
            c.Left = int32_t(roundHalfEven(p.l0 + sx * i * dx / speed));
            c.Top = int32_t(roundHalfEven(p.t0 + sy * i * dy / speed));
        }
        surface_->repaintNow();
    }
}

void cArray::PlaceCard(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int32_t tMod,
                       int16_t speed, int32_t dFace)
{
    cCard &card = cards_[size_t(picId)];
    glide(&picId, 1, dCell, dPile, dPos, speed);
    card.Left = layout_->slotX(dCell, dPile, dPos);
    card.Top = layout_->slotY(dCell, dPile, dPos);
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
    card.Left = layout_->slotX(cell, pile, pos);
    card.Top = layout_->slotY(cell, pile, pos);
    card.Visible = true;
    bringToFront(picId);
}

} // namespace cardova
