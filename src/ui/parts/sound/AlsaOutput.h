#pragma once
// ALSA's "default" playback device with a short buffer (about 50 ms), so a
// sound asked for is heard at once. ALSA's own error lines are kept off
// stderr: a machine without a sound card is normal, not an error to print.
#include "ui/parts/sound/SoundOutput.h"

typedef struct _snd_pcm snd_pcm_t;

namespace cardova::ui {

class AlsaOutput : public SoundOutput {
public:
    // `device` is an ALSA PCM name; tests use "null", which discards all.
    explicit AlsaOutput(const char *device = "default") : device_(device) {}
    ~AlsaOutput() override;
    AlsaOutput(const AlsaOutput &) = delete;
    AlsaOutput &operator=(const AlsaOutput &) = delete;

    size_t open(int rate, int channels, QString *problem) override;
    bool write(const int16_t *samples, size_t frames, QString *problem) override;
    void drain() override;
    void drop() override;

private:
    const char *device_;
    snd_pcm_t *pcm_ = nullptr;
    int channels_ = 0;
};

} // namespace cardova::ui
