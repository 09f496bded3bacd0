#pragma once
// A whole game of "Klondike" number 1, won with the mouse actions of the
// command-line driver (found by bench_play --find-win Klondike). Actions:
// "stock", or "SRC>DST" with tP:K, w, fP as the source and tP, fP as the
// destination.
namespace cardova::test {

inline constexpr double kWinningNumber = 1;
inline const char *const kWinningActions =
    "t1:1>t2 stock stock stock stock stock t3:3>t4 stock stock stock stock w>t4 stock stock "
    "stock stock stock stock stock stock stock stock stock w>t6 t4:2>t6 stock stock stock "
    "stock w>t6 stock stock stock stock w>t6 t5:5>t6 t5:2>t2 stock stock stock w>t3 t2:2>t3 "
    "stock stock stock stock stock stock w>t6 stock stock w>t3 w>t0 t1:0>t0 t6:6>t1 t6:4>t3 "
    "w>t3 t5:1>t3 t6:3>t5 w>t1 t4:1>t1 t2:1>t4 w>t2 t5:0>t2 stock stock stock stock stock "
    "stock stock w>t5 stock w>t6 stock stock stock w>t5 t6:2>t5 t6:1>t5 t6:0>t2 t3:2>t2 ";

} // namespace cardova::test
