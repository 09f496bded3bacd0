#pragma once
// 64-bit FNV-1a: the one byte hash behind the fingerprints the program keeps
// (positions, log lines, saved chunks). Stored hashes depend on these exact
// values, so they must never change.
#include <cstdint>

namespace cardova::fnv1a {

constexpr uint64_t kOffset = 14695981039346656037ull;
constexpr uint64_t kPrime = 1099511628211ull;

// Folds one byte into the hash h.
constexpr uint64_t mix(uint64_t h, uint8_t byte) { return (h ^ byte) * kPrime; }

// Folds a whole value in, its lowest byte first.
constexpr uint64_t mixValue(uint64_t h, uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        h = mix(h, uint8_t(value >> (8 * i)));
    return h;
}

} // namespace cardova::fnv1a
