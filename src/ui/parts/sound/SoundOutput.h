#pragma once
// Where the mixed sound goes: a playback device taking 16-bit interleaved
// frames. The player's worker is its only user; every call may wait for the
// device, so none is made on the GUI thread.
#include <QString>
#include <cstddef>
#include <cstdint>

namespace cardova::ui {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Opens the device for `rate` and `channels`. The number of frames best
    // written at a time (one period), or 0 with the reason in `problem`.
    virtual size_t open(int rate, int channels, QString *problem) = 0;
    // Writes `frames` frames, waiting while the device's buffer is full.
    // False when the device failed and could not be recovered.
    virtual bool write(const int16_t *samples, size_t frames, QString *problem) = 0;
    // Waits until what was written has been played.
    virtual void drain() = 0;
    // Throws away what was written and not played yet.
    virtual void drop() = 0;
};

} // namespace cardova::ui
