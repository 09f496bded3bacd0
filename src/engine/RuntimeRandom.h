#pragma once
#include <cstdint>

namespace cardova {

// The 24-bit linear congruential generator the deals are defined by, with its
// reseed and mix operations. One instance per game context: the shuffle and
// the random game numbers share its state.
class RuntimeRandom {
public:
    // Next value in [0, 1), exactly representable in single precision.
    float next();
    // Reseed from a negative number: the float's bit pattern folded into 24
    // bits, then one value drawn and discarded.
    void reseedNegative(float x);
    // Mix a number into the state: only the low 8 bits of the old state survive.
    void mix(double n);

    uint32_t state() const { return s_; }
    void setState(uint32_t s) { s_ = s & 0xFFFFFFu; }

private:
    uint32_t s_ = 0x50000u;
};

} // namespace cardova
