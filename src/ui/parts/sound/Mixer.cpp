#include "ui/parts/sound/Mixer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cardova::ui {

bool Mixer::start(int key, std::shared_ptr<const PcmSound> sound)
{
    if (!sound || sound->channels != channels_)
        return false;
    for (Voice &voice : voices_) {
        if (voice.key == key) {
            voice.sound = std::move(sound);
            voice.next = 0;
            return true;
        }
    }
    voices_.push_back(Voice{key, std::move(sound), 0});
    return true;
}

void Mixer::mix(int16_t *out, size_t frames)
{
    const size_t count = frames * size_t(channels_);
    sum_.assign(count, 0);
    for (Voice &voice : voices_) {
        const std::vector<int16_t> &samples = voice.sound->samples;
        const size_t n = std::min(count, samples.size() - voice.next);
        for (size_t i = 0; i < n; ++i)
            sum_[i] += samples[voice.next + i];
        voice.next += n;
    }
    constexpr int32_t kLow = std::numeric_limits<int16_t>::min();
    constexpr int32_t kHigh = std::numeric_limits<int16_t>::max();
    for (size_t i = 0; i < count; ++i)
        out[i] = int16_t(std::clamp(sum_[i], kLow, kHigh));
    std::erase_if(voices_, [](const Voice &v) { return v.next >= v.sound->samples.size(); });
}

} // namespace cardova::ui
