#include "engine/RuntimeRandom.h"

#include <cstring>

namespace cardova {

float RuntimeRandom::next()
{
    s_ = static_cast<uint32_t>((uint64_t(s_) * 16598013u + 12820163u) & 0xFFFFFFu);
    return static_cast<float>(s_) / 16777216.0f;
}

void RuntimeRandom::reseedNegative(float x)
{
    uint32_t b = 0;
    std::memcpy(&b, &x, sizeof b);
    s_ = (b + (b >> 24)) & 0xFFFFFFu;
    next();
}

void RuntimeRandom::mix(double n)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &n, sizeof bits);
    const uint32_t h = static_cast<uint32_t>(bits >> 32);
    const uint32_t m = ((h >> 16) ^ h) & 0xFFFFu;
    s_ = (s_ & 0xFFu) | (m << 8);
}

} // namespace cardova
