#include "ui/parts/sound/AlsaSoundPlayer.h"

#include "ui/parts/SoundPart.h"
#include "ui/parts/sound/AlsaOutput.h"
#include "ui/parts/sound/Mixer.h"
#include "ui/parts/sound/WaveReader.h"

#include <QFile>
#include <utility>

namespace cardova::ui {

namespace {
const char *const kWaveNames[kWaveCount] = {"AUTOPLAY", "CARDDOWN", "CARDUP", "SEL",
                                            "START",    "STOCK",    "UNDO",   "WIN"};
size_t indexOf(Wave wave) { return static_cast<size_t>(wave); }
} // namespace

QString waveName(Wave wave)
{
    const size_t i = indexOf(wave);
    return i < size_t(kWaveCount) ? QString::fromLatin1(kWaveNames[i]) : QString();
}

QString wavePath(Wave wave) { return QStringLiteral(":/sounds/%1.wav").arg(waveName(wave)); }

AlsaSoundPlayer::AlsaSoundPlayer(QObject *parent, std::unique_ptr<SoundOutput> output)
    : QObject(parent), output_(output ? std::move(output) : std::make_unique<AlsaOutput>()),
      worker_([this] { run(); })
{
}

AlsaSoundPlayer::~AlsaSoundPlayer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join(); // at most one period away: the worker checks between periods
}

void AlsaSoundPlayer::play(Wave wave)
{
    if (indexOf(wave) >= size_t(kWaveCount))
        return;
    if (silent_) {
        ++silenced_;
        return;
    }
    {
        std::lock_guard lock(mutex_);
        asked_.push_back(wave);
    }
    wake_.notify_one();
}

QString AlsaSoundPlayer::problem() const
{
    std::lock_guard lock(mutex_);
    return problem_;
}

void AlsaSoundPlayer::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !asked_.empty(); });
        if (stopping_)
            return;
        const std::vector<Wave> waves = std::exchange(asked_, {});
        lock.unlock();
        startVoices(waves);
        playWhileSounding();
        lock.lock();
    }
}

void AlsaSoundPlayer::startVoices(const std::vector<Wave> &waves)
{
    for (Wave w : waves) {
        std::shared_ptr<const PcmSound> sound = silent_ ? nullptr : wave(w);
        if (!sound || !openFor(*sound)) {
            ++silenced_;
            continue;
        }
        if (sound->rate != rate_ || sound->channels != mixer_->channels())
            sound = std::make_shared<const PcmSound>(converted(*sound, rate_, mixer_->channels()));
        mixer_->start(int(indexOf(w)), std::move(sound));
        ++started_;
    }
}

bool AlsaSoundPlayer::openFor(const PcmSound &sound)
{
    if (mixer_)
        return true;
    if (silent_)
        return false;
    QString why;
    periodFrames_ = output_->open(sound.rate, sound.channels, &why);
    if (periodFrames_ == 0) {
        giveUp(why);
        return false;
    }
    rate_ = sound.rate;
    mixer_ = std::make_unique<Mixer>(sound.channels);
    return true;
}

void AlsaSoundPlayer::playWhileSounding()
{
    if (!mixer_ || !mixer_->sounding())
        return;
    std::vector<int16_t> period(periodFrames_ * size_t(mixer_->channels()));
    while (mixer_->sounding()) {
        std::vector<Wave> more;
        {
            std::lock_guard lock(mutex_);
            if (stopping_) {
                mixer_->stopAll();
                output_->drop();
                return;
            }
            more = std::exchange(asked_, {});
        }
        startVoices(more);
        mixer_->mix(period.data(), periodFrames_);
        QString why;
        if (!output_->write(period.data(), periodFrames_, &why)) {
            mixer_->stopAll();
            output_.reset(); // closes the device: it is not used again
            giveUp(why);
            return;
        }
    }
    output_->drain();
}

std::shared_ptr<const PcmSound> AlsaSoundPlayer::wave(Wave w)
{
    const size_t i = indexOf(w);
    if (waves_[i] || unreadable_[i])
        return waves_[i];
    QFile file(wavePath(w));
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_[i] = true;
        noteProblem(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
        return nullptr;
    }
    WaveReadResult read = readWave(file.readAll());
    if (!read.ok()) {
        unreadable_[i] = true;
        noteProblem(QStringLiteral("%1: %2").arg(file.fileName(), read.problem));
        return nullptr;
    }
    waves_[i] = std::make_shared<const PcmSound>(std::move(read.sound));
    return waves_[i];
}

void AlsaSoundPlayer::noteProblem(const QString &why)
{
    std::lock_guard lock(mutex_);
    problem_ = why;
}

void AlsaSoundPlayer::giveUp(const QString &why)
{
    noteProblem(why);
    silent_ = true;
}

} // namespace cardova::ui

extern "C" Q_DECL_EXPORT cardova::SoundPlayer *cardovaSoundPart(QObject *parent)
{
    return new cardova::ui::AlsaSoundPlayer(parent);
}
