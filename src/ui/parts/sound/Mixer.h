#pragma once
// Mixes the voices that sound at once into periods of output. A voice is one
// sound from its start to its last sample; starting a sound that is still
// sounding starts it again from the beginning rather than adding a second
// copy. Samples are summed and clipped to 16 bits, never wrapped.
#include "ui/parts/sound/PcmSound.h"

#include <memory>
#include <vector>

namespace cardova::ui {

class Mixer {
public:
    explicit Mixer(int channels) : channels_(channels) {}

    int channels() const { return channels_; }
    // Starts (or restarts) the voice `key`. A sound with another number of
    // channels than the mixer's is not started: false.
    bool start(int key, std::shared_ptr<const PcmSound> sound);
    bool sounding() const { return !voices_.empty(); }
    int voices() const { return int(voices_.size()); }
    void stopAll() { voices_.clear(); }

    // Fills `frames` frames of `out` with the sum of the voices and moves
    // them on; after a voice's last sample comes silence. Voices that have
    // ended are dropped.
    void mix(int16_t *out, size_t frames);

private:
    struct Voice {
        int key;
        std::shared_ptr<const PcmSound> sound;
        size_t next; // the next sample to play
    };
    int channels_;
    std::vector<Voice> voices_;
    std::vector<int32_t> sum_; // kept between periods: no allocation per period
};

} // namespace cardova::ui
