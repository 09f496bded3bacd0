#pragma once
// Small numeric helpers shared by every layer: rounding to nearest with ties to
// even, and the 16-bit saturation that keeps counters from wrapping.
#include <cmath>
#include <cstdint>
#include <limits>

namespace cardova {

// Rounds to the nearest integer; exact halves go to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
inline double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    const double r = std::nearbyint(v); // default rounding mode is to-nearest-even
    return r;
}

// Saturates a wide value into the 16-bit signed range.
inline int16_t clamp16(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= 32767.0)
        return 32767;
    if (v <= -32768.0)
        return -32768;
    return static_cast<int16_t>(v);
}

inline int16_t clamp16(long long v)
{
    if (v > 32767)
        return 32767;
    if (v < -32768)
        return -32768;
    return static_cast<int16_t>(v);
}

// Rounds half-even and saturates into 16 bits.
inline int16_t round16(double v) { return clamp16(roundHalfEven(v)); }

} // namespace cardova
