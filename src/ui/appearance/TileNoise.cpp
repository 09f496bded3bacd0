#include "ui/appearance/TileNoise.h"

#include <cmath>

namespace cardova::ui {

namespace {
// Lattice indices stay within one period of the range almost always; the
// division is only needed for the rare point further out.
int wrap(int i, int n)
{
    if (i >= 0 && i < n)
        return i;
    if (i >= n && i < 2 * n)
        return i - n;
    if (i < 0 && i >= -n)
        return i + n;
    return ((i % n) + n) % n;
}
float smooth(float t) { return t * t * (3.0f - 2.0f * t); }
} // namespace

uint32_t hash3(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u;
    h ^= uint32_t(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(int32_t x, int32_t y, uint32_t seed)
{
    return float(hash3(x, y, seed) >> 8) / float(1u << 24);
}

float valueNoise(float u, float v, int cellsX, int cellsY, uint32_t seed)
{
    cellsX = cellsX < 1 ? 1 : cellsX;
    cellsY = cellsY < 1 ? 1 : cellsY;
    const float x = u * float(cellsX);
    const float y = v * float(cellsY);
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const float tx = smooth(x - float(x0));
    const float ty = smooth(y - float(y0));
    const int xa = wrap(x0, cellsX), xb = wrap(x0 + 1, cellsX);
    const int ya = wrap(y0, cellsY), yb = wrap(y0 + 1, cellsY);
    const float a = hashUnit(xa, ya, seed), b = hashUnit(xb, ya, seed);
    const float c = hashUnit(xa, yb, seed), d = hashUnit(xb, yb, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fbm(float u, float v, int cellsX, int cellsY, int octaves, uint32_t seed)
{
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(u, v, cellsX << o, cellsY << o, seed + uint32_t(o) * 101u);
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

Cellular cellular(float u, float v, int cellsX, int cellsY, uint32_t seed)
{
    cellsX = cellsX < 1 ? 1 : cellsX;
    cellsY = cellsY < 1 ? 1 : cellsY;
    const float x = u * float(cellsX);
    const float y = v * float(cellsY);
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    Cellular out{1e9f, 1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            // The neighbour cell keeps its unwrapped position for the
            // distance, but takes its point from the wrapped cell.
            const int nx = cx + dx, ny = cy + dy;
            const int wx = wrap(nx, cellsX), wy = wrap(ny, cellsY);
            const float px = float(nx) + 0.15f + 0.7f * hashUnit(wx, wy, seed);
            const float py = float(ny) + 0.15f + 0.7f * hashUnit(wx, wy, seed ^ 0xA5A5A5u);
            const float d = std::hypot(px - x, py - y);
            if (d < out.f1) {
                out.f2 = out.f1;
                out.f1 = d;
                out.id = hash3(wx, wy, seed + 7u);
            } else if (d < out.f2) {
                out.f2 = d;
            }
        }
    }
    return out;
}

} // namespace cardova::ui
