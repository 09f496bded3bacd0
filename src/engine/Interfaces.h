#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace cardova {

// What the engine needs from whoever shows the table. The engine never
// waits on a clock itself: a view waits about one frame inside repaintNow.
class TableSurface {
public:
    virtual ~TableSurface() = default;
    // One animation step has moved a sprite: show it now.
    virtual void repaintNow() = 0;
    // The deal lets pending window events run after each card it places.
    virtual void letEventsRun() = 0;
    // Faces, markers or the whole table changed outside an animation.
    virtual void tableChanged() {}
};

// Counts calls; used by the command-line driver, tests and benchmarks.
class NullSurface : public TableSurface {
public:
    void repaintNow() override { ++repaints; }
    void letEventsRun() override { ++eventRuns; }
    void tableChanged() override { ++changes; }
    long long repaints = 0;
    long long eventRuns = 0;
    long long changes = 0;
};

enum class SoundEvent { Start, CardUp, CardDown, AutoPlay, Undo, Redo, Win, Count };

// The eight wave resources.
enum class Wave { AutoPlay, CardDown, CardUp, Sel, Start, Stock, Undo, Win };

// Plays a wave asynchronously; must return at once and never fail loudly.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Wave wave) = 0;
};

class NullSound : public SoundPlayer {
public:
    void play(Wave wave) override { ++played[static_cast<size_t>(wave)]; }
    std::array<long long, 8> played{};
    long long count(Wave w) const { return played[static_cast<size_t>(w)]; }
};

} // namespace cardova
