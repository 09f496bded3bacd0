#pragma once
// The marks shown on empty piles: 0-12 the rank an empty pile accepts
// (Ace to King), 13 any card or a random base, 14 blank, 15 an empty stock
// with nothing left to turn, 16 an empty stock that turns the waste back,
// 17 an empty free cell, 18 an empty reserve.
#include <QImage>

namespace cardova::ui {

constexpr int kMarkCount = 19;
constexpr int kMarkAny = 13;
constexpr int kMarkBlank = 14;
constexpr int kMarkStockDone = 15;
constexpr int kMarkRecycle = 16;
constexpr int kMarkCell = 17;
constexpr int kMarkReserve = 18;

// Mark m (0..18) at `scale` pixels per design pixel; a null image for any other m.
QImage renderMark(int m, qreal scale);

} // namespace cardova::ui
