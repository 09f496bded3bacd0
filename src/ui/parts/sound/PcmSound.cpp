#include "ui/parts/sound/PcmSound.h"

#include <algorithm>

namespace cardova::ui {

namespace {

PcmSound withChannels(const PcmSound &sound, int channels)
{
    if (sound.channels == channels)
        return sound;
    PcmSound out{sound.rate, channels, {}};
    const size_t frames = sound.frames();
    out.samples.reserve(frames * size_t(channels));
    for (size_t f = 0; f < frames; ++f) {
        if (channels == 1) {
            const int left = sound.samples[2 * f], right = sound.samples[2 * f + 1];
            out.samples.push_back(int16_t((left + right) / 2));
        } else {
            out.samples.push_back(sound.samples[f]);
            out.samples.push_back(sound.samples[f]);
        }
    }
    return out;
}

PcmSound withRate(const PcmSound &sound, int rate)
{
    if (sound.rate == rate || sound.rate <= 0 || rate <= 0)
        return sound;
    const size_t frames = sound.frames();
    const size_t outFrames = size_t(double(frames) * rate / sound.rate);
    const size_t channels = size_t(sound.channels);
    PcmSound out{rate, sound.channels, {}};
    out.samples.reserve(outFrames * channels);
    const double step = double(sound.rate) / rate;
    for (size_t f = 0; f < outFrames; ++f) {
        const double at = f * step;
        const size_t i = std::min(size_t(at), frames - 1);
        const size_t next = i + 1 < frames ? i + 1 : i;
        const double part = at - double(i);
        for (size_t c = 0; c < channels; ++c) {
            const double a = sound.samples[i * channels + c], b = sound.samples[next * channels + c];
            out.samples.push_back(int16_t(a + (b - a) * part));
        }
    }
    return out;
}

} // namespace

PcmSound converted(const PcmSound &sound, int rate, int channels)
{
    return withRate(withChannels(sound, channels), rate);
}

} // namespace cardova::ui
