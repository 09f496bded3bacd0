#pragma once
// Noise that repeats exactly over the unit square, so pictures built from it
// tile without seams. Coordinates u, v run over [0, 1); every lattice wraps
// at 1. Deterministic: the same seed always gives the same picture.
#include <cstdint>

namespace cardova::ui {

// A well-mixed 32-bit hash of three integers.
uint32_t hash3(int32_t x, int32_t y, uint32_t seed);
// hash3 as a number in [0, 1).
float hashUnit(int32_t x, int32_t y, uint32_t seed);

// Smooth value noise on a lattice of cellsX x cellsY cells over the unit
// square; result in [0, 1].
float valueNoise(float u, float v, int cellsX, int cellsY, uint32_t seed);

// Sum of `octaves` value-noise layers, each with twice the cells and half the
// weight of the one before; result in [0, 1].
float fbm(float u, float v, int cellsX, int cellsY, int octaves, uint32_t seed);

// Distances to the nearest and second-nearest of one jittered point per
// cell (cellular noise), measured in cell widths, wrapping at the edges.
struct Cellular {
    float f1 = 0;
    float f2 = 0;
    uint32_t id = 0; // hash of the nearest point's cell
};
Cellular cellular(float u, float v, int cellsX, int cellsY, uint32_t seed);

} // namespace cardova::ui
