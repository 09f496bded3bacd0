#include "ui/appearance/TileShaders.h"

#include "ui/appearance/TileNoise.h"

#include <algorithm>
#include <cmath>

namespace cardova::ui {

namespace {
constexpr float kTau = 6.28318530718f;

Rgbf mix(Rgbf a, Rgbf b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgbf scale(Rgbf a, float f) { return {a.r * f, a.g * f, a.b * f}; }
Rgbf add(Rgbf a, Rgbf b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
float clamp01(float t) { return std::clamp(t, 0.f, 1.f); }
float smoothstep(float e0, float e1, float x)
{
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
// x to a whole power, much cheaper than std::pow in the per-pixel loops.
float ipow(float x, int n)
{
    float r = 1;
    for (; n > 0; n >>= 1, x *= x)
        if (n & 1)
            r *= x;
    return r;
}
// Cells across a side so that features are about `px` logical pixels big.
int cellsFor(int size, float px) { return std::max(1, int(std::lround(size / px))); }

Rgbf bricks(const TileSpec &s, float u, float v)
{
    const int perRow = s.p1, rows = s.p2;
    // Shifted by a quarter brick across and half a row down, so the tile's
    // own edges run through bricks rather than along the mortar (rows is
    // even, so the alternating offset still repeats).
    const float ry = v * rows + 0.5f;
    const int row = int(ry) % rows;
    const float fy = ry - std::floor(ry);
    const float bx = u * perRow + 0.25f + (row % 2 ? 0.5f : 0.f);
    const int col = int(std::floor(bx)) % perRow;
    const float fx = bx - std::floor(bx);
    const float mortarX = 2.0f * perRow / s.width, mortarY = 2.0f * rows / s.height;
    const float grain = valueNoise(u, v, s.width / 2, s.height / 2, s.seed);
    if (fx < mortarX || fy < mortarY)
        return scale(s.c, 0.85f + 0.25f * grain);
    const float tone = hashUnit(col, row, s.seed);
    const float patch = fbm(u, v, cellsFor(s.width, 20), cellsFor(s.height, 20), 3, s.seed + 5);
    Rgbf c = mix(s.a, s.b, 0.55f * tone + 0.45f * patch);
    // A lit upper-left edge and a shaded lower edge give each brick depth.
    if (fx < mortarX * 2.2f || fy < mortarY * 2.2f)
        c = scale(c, 1.12f);
    else if (fy > 1 - mortarY * 1.5f || fx > 1 - mortarX * 0.8f)
        c = scale(c, 0.82f);
    return scale(c, 0.9f + 0.2f * grain);
}

Rgbf marble(const TileSpec &s, float u, float v)
{
    const float turb = fbm(u, v, 3, 3, 5, s.seed);
    const float t = std::sin(kTau * (u * s.p1 + v * s.p2) + 9.0f * turb);
    const float vein = ipow(1 - std::fabs(t), 10);
    const float fine = std::sin(kTau * (u * (s.p2 + 2) - v * s.p1) + 14.0f * fbm(u, v, 4, 4, 4, s.seed + 3));
    const float fineVein = ipow(1 - std::fabs(fine), 24);
    Rgbf base = mix(s.a, s.c, fbm(u, v, 2, 2, 4, s.seed + 9));
    base = mix(base, s.b, 0.85f * vein);
    return mix(base, s.b, 0.45f * fineVein);
}

Rgbf paper(const TileSpec &s, float u, float v)
{
    const float mottle = fbm(u, v, 4, 4, 4, s.seed) - 0.5f;
    const float fibreH = valueNoise(u, v, cellsFor(s.width, 6), cellsFor(s.height, 1), s.seed + 1) - 0.5f;
    const float fibreV = valueNoise(u, v, cellsFor(s.width, 1), cellsFor(s.height, 6), s.seed + 2) - 0.5f;
    Rgbf c = scale(s.a, 1 + 0.08f * mottle + 0.04f * (fibreH + fibreV));
    if (s.p2 == 1) // laid paper: faint parallel lines
        c = scale(c, 1 - 0.03f * ipow(std::fabs(std::sin(kTau * v * s.height / 5.f)), 8));
    if (s.p1 > 0) { // specks of fibre
        const int gx = s.width, gy = s.height;
        const float sp = hashUnit(int(u * gx), int(v * gy), s.seed + 4);
        if (sp > 1 - 0.012f * s.p1)
            c = mix(c, s.b, 0.7f);
    }
    if (s.p1 == 2) // parchment blotches
        c = mix(c, s.b, 0.35f * smoothstep(0.55f, 0.8f, fbm(u, v, 3, 3, 5, s.seed + 8)));
    return c;
}

Rgbf rocks(const TileSpec &s, float u, float v)
{
    const int cx = s.p1, cy = std::max(1, int(std::lround(float(s.p1) * s.height / s.width)));
    const Cellular c = cellular(u, v, cx, cy, s.seed);
    const float gap = c.f2 - c.f1;
    const float grain = fbm(u, v, cellsFor(s.width, 8), cellsFor(s.height, 8), 3, s.seed + 1);
    const float joint = s.p2 == 1 ? 0.05f : 0.09f;
    if (gap < joint)
        return scale(s.b, 0.8f + 0.4f * grain);
    const float tone = float(c.id >> 8) / float(1u << 24);
    Rgbf stone = mix(s.a, s.c, tone);
    // Rounded stones are lighter in the middle; flat slabs only darken near
    // their joints.
    const float dome = s.p2 == 1 ? 1.0f - 0.25f * (1 - smoothstep(joint, joint + 0.12f, gap))
                                 : 1.15f - 0.6f * c.f1 * c.f1;
    return scale(stone, dome * (0.82f + 0.36f * grain));
}

Rgbf stars(const TileSpec &s, float u, float v)
{
    const float cloud = fbm(u, v, 3, 3, 4, s.seed);
    Rgbf sky = mix(s.a, s.b, s.p1 == 1 ? smoothstep(0.45f, 0.8f, cloud) : cloud * 0.6f);
    // One candidate star per cell of about 14 px; distances in pixels.
    const int gx = cellsFor(s.width, 14), gy = cellsFor(s.height, 14);
    const float cw = float(s.width) / gx, ch = float(s.height) / gy;
    const float x = u * gx, y = v * gy;
    const int ix = int(x), iy = int(y);
    float light = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = ix + dx, ny = iy + dy;
            const int wx = (nx % gx + gx) % gx, wy = (ny % gy + gy) % gy;
            const float bright = hashUnit(wx, wy, s.seed + 3);
            if (bright < 0.35f)
                continue;
            const float px = (nx + hashUnit(wx, wy, s.seed + 4) - x) * cw;
            const float py = (ny + hashUnit(wx, wy, s.seed + 5) - y) * ch;
            const float size = 0.35f + 1.3f * ipow(bright, 6);
            const float d2 = (px * px + py * py) / (size * size);
            const bool rays = s.p1 == 2 && bright > 0.93f;
            if (d2 > 12.f && !rays) // too far for any light to show
                continue;
            float l = std::exp(-d2) * bright;
            if (rays) // the brightest twinkle with rays
                l += 0.7f * std::exp(-std::fabs(px) * 1.2f - py * py * 3.f) + 0.7f * std::exp(-std::fabs(py) * 1.2f - px * px * 3.f);
            light += l;
        }
    }
    return mix(sky, s.c, clamp01(light));
}

Rgbf felt(const TileSpec &s, float u, float v)
{
    const float soft = fbm(u, v, cellsFor(s.width, 25), cellsFor(s.height, 25), 3, s.seed);
    const float fuzz = hashUnit(int(u * s.width * 3), int(v * s.height * 3), s.seed + 1);
    return scale(mix(s.a, s.b, soft), 0.92f + 0.12f * fuzz);
}

Rgbf canvas(const TileSpec &s, float u, float v)
{
    const float tx = u * s.p1, ty = v * s.p2;
    const bool warpOnTop = (int(tx) + int(ty)) % 2 == 0;
    const float across = std::sin(float(M_PI) * (tx - std::floor(tx)));
    const float down = std::sin(float(M_PI) * (ty - std::floor(ty)));
    const float shade = warpOnTop ? across : down;
    const float slub = fbm(u, v, cellsFor(s.width, 6), cellsFor(s.height, 6), 2, s.seed);
    return scale(mix(s.b, s.a, 0.35f + 0.65f * shade), 0.9f + 0.18f * slub);
}

Rgbf leather(const TileSpec &s, float u, float v)
{
    const Cellular c = cellular(u, v, s.p1, std::max(1, s.p1 * s.height / s.width), s.seed);
    const float crease = 1 - smoothstep(0.0f, 0.18f, c.f2 - c.f1);
    const float tone = fbm(u, v, 3, 3, 4, s.seed + 1);
    Rgbf base = mix(s.a, s.b, 0.6f * tone);
    base = scale(base, 1.08f - 0.25f * c.f1);
    return mix(base, s.b, 0.55f * crease);
}

Rgbf cork(const TileSpec &s, float u, float v)
{
    const Cellular c = cellular(u, v, s.p1, std::max(1, s.p1 * s.height / s.width), s.seed);
    const float tone = float(c.id >> 8) / float(1u << 24);
    Rgbf granule = tone < 0.5f ? mix(s.a, s.c, tone * 2) : mix(s.a, s.b, (tone - 0.5f) * 2);
    const float pit = smoothstep(0.0f, 0.1f, c.f2 - c.f1);
    return scale(granule, 0.7f + 0.3f * pit);
}

Rgbf ripples(const TileSpec &s, float u, float v)
{
    const float warp = fbm(u, v, 3, 3, 4, s.seed);
    const float wave = std::sin(kTau * (v * 7 + u * 1) + 6.0f * warp);
    const float wave2 = std::sin(kTau * (v * 11 - u * 2) + 8.0f * fbm(u, v, 4, 4, 3, s.seed + 1));
    const float t = 0.5f + 0.3f * wave + 0.2f * wave2;
    Rgbf c = mix(s.a, s.b, clamp01(t));
    const float glint = smoothstep(0.82f, 0.98f, 0.5f + 0.5f * wave * wave2);
    const float sparse = s.p1 == 0 ? 0.6f : (s.p1 == 1 ? 0.35f : 0.8f);
    return add(scale(c, 1 - 0.3f * glint * sparse), scale(s.c, glint * sparse * 0.6f));
}

Rgbf caustics(const TileSpec &s, float u, float v)
{
    const float du = 0.05f * (fbm(u, v, 3, 3, 3, s.seed) - 0.5f);
    const float dv = 0.05f * (fbm(u, v, 3, 3, 3, s.seed + 1) - 0.5f);
    const Cellular c = cellular(u + du, v + dv, s.p1, std::max(1, s.p1 * s.height / s.width), s.seed + 2);
    const float line = ipow(1 - smoothstep(0.0f, 0.35f, c.f2 - c.f1), 3);
    const Rgbf depth = scale(s.a, 0.85f + 0.3f * fbm(u, v, 2, 2, 3, s.seed + 3));
    return mix(depth, s.b, 0.8f * line);
}

Rgbf wood(const TileSpec &s, float u, float v)
{
    const int planks = s.p1;
    // Half a plank down, so the tile's edge runs through a plank.
    const float py = v * planks + 0.5f;
    const int plank = int(py) % planks;
    const float fy = py - std::floor(py);
    const float seam = 1.2f * planks / s.height;
    if (fy < seam)
        return scale(s.b, 0.55f);
    // Each plank has one butt joint somewhere along its length.
    const float joint = hashUnit(plank, 0, s.seed);
    float dx = u - joint;
    dx -= std::round(dx);
    if (std::fabs(dx) * s.width < 0.6f)
        return scale(s.b, 0.6f);
    const float offset = hashUnit(plank, 1, s.seed) * 10;
    const float bend = fbm(u, v, 3, planks * 2, 4, s.seed + 1 + uint32_t(plank));
    const float rings = fy * s.p2 * 0.5f + offset + 2.5f * bend;
    const float ring = rings - std::floor(rings);
    const float band = smoothstep(0.0f, 0.25f, ring) * (1 - smoothstep(0.6f, 1.0f, ring));
    const float fibre = valueNoise(u, v, cellsFor(s.width, 12), cellsFor(s.height, 0.8f), s.seed + 2);
    Rgbf c = mix(s.b, s.a, 0.35f + 0.65f * band);
    return scale(c, (0.88f + 0.18f * fibre) * (0.94f + 0.12f * hashUnit(plank, 2, s.seed)));
}
} // namespace

Rgbf shadeTile(const TileSpec &look, float u, float v)
{
    switch (look.kind) {
    case ShaderKind::Bricks: return bricks(look, u, v);
    case ShaderKind::Marble: return marble(look, u, v);
    case ShaderKind::Paper: return paper(look, u, v);
    case ShaderKind::Rocks: return rocks(look, u, v);
    case ShaderKind::Stars: return stars(look, u, v);
    case ShaderKind::Felt: return felt(look, u, v);
    case ShaderKind::Canvas: return canvas(look, u, v);
    case ShaderKind::Leather: return leather(look, u, v);
    case ShaderKind::Cork: return cork(look, u, v);
    case ShaderKind::Ripples: return ripples(look, u, v);
    case ShaderKind::Caustics: return caustics(look, u, v);
    case ShaderKind::Wood: return wood(look, u, v);
    }
    return look.a;
}

} // namespace cardova::ui
