#pragma once
// A sound held in memory as 16-bit samples, interleaved when it has two
// channels, and the one conversion the player needs between formats.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace cardova::ui {

struct PcmSound {
    int rate = 0;     // frames per second
    int channels = 0; // 1 or 2
    std::vector<int16_t> samples;

    size_t frames() const { return channels > 0 ? samples.size() / size_t(channels) : 0; }
};

// `sound` at `rate` and with `channels` (1 or 2): two channels become one by
// their mean, one becomes two by copying it, and a different rate is
// reached by linear interpolation. The same sound when nothing differs.
PcmSound converted(const PcmSound &sound, int rate, int channels);

} // namespace cardova::ui
