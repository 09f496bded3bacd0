#pragma once
// Plays the eight bundled waves through ALSA. This is the sound part
// (libcardova_sound): the program loads it when it first wants a sound
// (LazySound); the waves are the program's resources, registered before.
//
// One worker thread owns the device. play() only hands the wave over and
// returns: the worker reads the wave, opens the device at the first sound,
// mixes the sounding voices period by period, and once none is left lets the
// device drain and sleeps until the next sound, using no CPU at all. Without
// a sound device the sounds are silent, problem() tells why, and the device
// is not asked again. Which events sound at all is decided by the core (the
// sound switches).
#include "engine/Interfaces.h"

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace cardova::ui {

class Mixer;
class SoundOutput;
struct PcmSound;

constexpr int kWaveCount = 8;

// The resource name of a wave: "AUTOPLAY", "CARDDOWN", ... "WIN".
QString waveName(Wave wave);
// Where the wave is bundled: ":/sounds/<name>.wav".
QString wavePath(Wave wave);

class AlsaSoundPlayer : public QObject, public SoundPlayer {
public:
    // `output` replaces ALSA's default device (tests hand in their own).
    explicit AlsaSoundPlayer(QObject *parent = nullptr, std::unique_ptr<SoundOutput> output = {});
    ~AlsaSoundPlayer() override; // stops the worker, even in the middle of a sound

    void play(Wave wave) override;

    // Why the last sound that was not heard was not heard (no device, an
    // unreadable wave); empty while every sound has been played.
    QString problem() const;
    // Sounds the worker started playing, and sounds it could not play.
    int soundsStarted() const { return started_; }
    int soundsSilenced() const { return silenced_; }

private:
    void run();
    // Starts a voice for each wave; the first one opens the device.
    void startVoices(const std::vector<Wave> &waves);
    bool openFor(const PcmSound &sound);
    // Mixes and writes periods while any voice sounds, or until stopped.
    void playWhileSounding();
    std::shared_ptr<const PcmSound> wave(Wave wave);
    void noteProblem(const QString &why);
    // The device failed for good: every sound from now on is silent.
    void giveUp(const QString &why);

    // Shared between play() and the worker.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Wave> asked_;
    bool stopping_ = false;
    QString problem_;
    std::atomic<bool> silent_{false};
    std::atomic<int> started_{0};
    std::atomic<int> silenced_{0};

    // The worker's own.
    std::unique_ptr<SoundOutput> output_;
    std::unique_ptr<Mixer> mixer_; // made when the device is open
    int rate_ = 0;
    size_t periodFrames_ = 0;
    std::array<std::shared_ptr<const PcmSound>, kWaveCount> waves_;
    std::array<bool, kWaveCount> unreadable_{};

    std::thread worker_; // last: it starts once everything above exists
};

} // namespace cardova::ui
