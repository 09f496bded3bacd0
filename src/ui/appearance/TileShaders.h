#pragma once
// The colour of one point of a background tile, per kind of material. Every
// shader is periodic over the unit square so the tile repeats seamlessly.
#include <cstdint>

namespace cardova::ui {

struct Rgbf {
    float r = 0, g = 0, b = 0;
};

enum class ShaderKind { Bricks, Marble, Paper, Rocks, Stars, Felt, Canvas, Leather, Cork, Ripples, Caustics, Wood };

struct TileSpec {
    int id;
    int width, height; // logical pixels
    ShaderKind kind;
    Rgbf a, b, c;      // main, second and third colour of the material
    int p1, p2;        // shape numbers (bricks per row, rows, cells, ...)
    uint32_t seed;
};

// u, v in [0, 1) across the tile.
Rgbf shadeTile(const TileSpec &look, float u, float v);

} // namespace cardova::ui
