#include "ui/parts/sound/AlsaOutput.h"

#include <alsa/asoundlib.h>
#include <mutex>

namespace cardova::ui {

namespace {

constexpr unsigned kLatencyUs = 50000; // the buffer; ALSA makes a period of a quarter of it
constexpr int kResample = 1;           // let ALSA convert the rate when the device lacks it
constexpr int kMaxRecoveriesInARow = 3;
constexpr int kPeriodsPerSecond = 100; // when the device does not tell its period

void dropAlsaMessage(const char *, int, const char *, int, const char *, ...) {}

QString alsaProblem(const char *what, int error)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(snd_strerror(error)));
}

} // namespace

AlsaOutput::~AlsaOutput()
{
    if (pcm_) {
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
    }
}

size_t AlsaOutput::open(int rate, int channels, QString *problem)
{
    static std::once_flag quiet;
    std::call_once(quiet, [] { snd_lib_error_set_handler(dropAlsaMessage); });
    if (pcm_)
        return 0;
    int error = snd_pcm_open(&pcm_, device_, SND_PCM_STREAM_PLAYBACK, 0);
    if (error < 0) {
        pcm_ = nullptr;
        *problem = alsaProblem("no sound device", error);
        return 0;
    }
    error = snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(channels),
                               unsigned(rate), kResample, kLatencyUs);
    snd_pcm_uframes_t buffer = 0, period = 0;
    if (error >= 0)
        error = snd_pcm_get_params(pcm_, &buffer, &period);
    if (error < 0) {
        *problem = alsaProblem("the sound device refused 16-bit PCM", error);
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
        return 0;
    }
    channels_ = channels;
    return period > 0 ? size_t(period) : size_t(rate / kPeriodsPerSecond);
}

bool AlsaOutput::write(const int16_t *samples, size_t frames, QString *problem)
{
    if (!pcm_)
        return false;
    if (snd_pcm_state(pcm_) == SND_PCM_STATE_SETUP) // drained or dropped before
        snd_pcm_prepare(pcm_);
    int recoveries = 0;
    while (frames > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm_, samples, frames);
        if (written < 0) {
            // An underrun (the worker was late) or a suspend: start again.
            const int error = snd_pcm_recover(pcm_, int(written), 1);
            if (error < 0 || ++recoveries > kMaxRecoveriesInARow) {
                *problem = alsaProblem("the sound device failed", error < 0 ? error : int(written));
                return false;
            }
            continue;
        }
        recoveries = 0;
        samples += size_t(written) * size_t(channels_);
        frames -= size_t(written);
    }
    return true;
}

void AlsaOutput::drain()
{
    if (pcm_)
        snd_pcm_drain(pcm_);
}

void AlsaOutput::drop()
{
    if (pcm_)
        snd_pcm_drop(pcm_);
}

} // namespace cardova::ui
