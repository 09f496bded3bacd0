// The bundled waves and the sound part's player: every wave is a short,
// valid PCM file; the player hands waves to its worker and never waits for
// the device, mixes what overlaps, sleeps when nothing sounds, stays silent
// without a device, and stops at once when destroyed.
#include "engine/Interfaces.h"
#include "session/GameContext.h"
#include "settings/cData.h"
#include "ui/appearance/Resources.h"
#include "ui/parts/LazySound.h"
#include "ui/parts/sound/AlsaOutput.h"
#include "ui/parts/sound/AlsaSoundPlayer.h"
#include "ui/parts/sound/SoundOutput.h"
#include "ui/parts/sound/WaveReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

using namespace cardova;
using namespace cardova::ui;
using namespace std::chrono_literals;

namespace {
const Wave kWaves[] = {Wave::AutoPlay, Wave::CardDown, Wave::CardUp, Wave::Sel,
                       Wave::Start,    Wave::Stock,    Wave::Undo,   Wave::Win};

void waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

constexpr size_t kPeriod = 220; // frames: 10 ms at 22050 Hz
constexpr int kWaitMs = 5000;

// What a fake device saw, and how it behaves; shared with the test, as the
// player owns (and destroys) the device itself.
struct DeviceLog {
    std::mutex mutex;
    std::condition_variable changed;
    int opens = 0, writes = 0, drains = 0, drops = 0;
    int rate = 0, channels = 0;
    bool opening = false;
    std::vector<int16_t> written;
    // How it behaves.
    QString openProblem; // open fails with it
    bool failWrites = false;
    bool holdOpen = false; // open waits until the test lets it go
    std::chrono::milliseconds perWrite{0};

    template <typename Done>
    bool waitUntil(Done done)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::milliseconds(kWaitMs), done);
    }
    void release()
    {
        std::lock_guard lock(mutex);
        holdOpen = false;
        changed.notify_all();
    }
};

class FakeDevice : public SoundOutput {
public:
    explicit FakeDevice(std::shared_ptr<DeviceLog> log) : log_(std::move(log)) {}
    size_t open(int rate, int channels, QString *problem) override
    {
        std::unique_lock lock(log_->mutex);
        ++log_->opens;
        log_->opening = true;
        log_->changed.notify_all();
        log_->changed.wait_for(lock, 2s, [&] { return !log_->holdOpen; });
        log_->opening = false;
        if (!log_->openProblem.isEmpty()) {
            *problem = log_->openProblem;
            return 0;
        }
        log_->rate = rate;
        log_->channels = channels;
        return kPeriod;
    }
    bool write(const int16_t *samples, size_t frames, QString *problem) override
    {
        std::this_thread::sleep_for(log_->perWrite);
        std::lock_guard lock(log_->mutex);
        ++log_->writes;
        log_->changed.notify_all();
        if (log_->failWrites) {
            *problem = QStringLiteral("the device went away");
            return false;
        }
        log_->written.insert(log_->written.end(), samples, samples + frames * size_t(log_->channels));
        return true;
    }
    void drain() override { count(&DeviceLog::drains); }
    void drop() override { count(&DeviceLog::drops); }

private:
    void count(int DeviceLog::*counter)
    {
        std::lock_guard lock(log_->mutex);
        ++(*log_.*counter);
        log_->changed.notify_all();
    }
    std::shared_ptr<DeviceLog> log_;
};

std::unique_ptr<SoundOutput> fakeDevice(const std::shared_ptr<DeviceLog> &log)
{
    return std::make_unique<FakeDevice>(log);
}

std::vector<int16_t> samplesOf(Wave wave)
{
    ensureResources();
    QFile file(wavePath(wave));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readWave(file.readAll()).sound.samples;
}

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int handled(const AlsaSoundPlayer &player) { return player.soundsStarted() + player.soundsSilenced(); }
} // namespace

TEST(Waves, EveryWaveIsBundledAsAShortPcmFile)
{
    const QStringList names = {"AUTOPLAY", "CARDDOWN", "CARDUP", "SEL", "START", "STOCK", "UNDO", "WIN"};
    ensureResources();
    int i = 0;
    for (Wave wave : kWaves) {
        EXPECT_EQ(waveName(wave), names[i++]);
        QFile file(wavePath(wave));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        const QByteArray bytes = file.readAll();
        // The generator writes the plain 44-byte header: "data" and its size at 36.
        ASSERT_EQ(bytes.mid(36, 4), "data");
        const quint32 dataSize = qFromLittleEndian<quint32>(bytes.constData() + 40);
        const WaveReadResult read = readWave(bytes);
        ASSERT_TRUE(read.ok()) << qPrintable(waveName(wave) + ": " + read.problem);
        EXPECT_EQ(read.sound.rate, 22050);
        EXPECT_EQ(read.sound.channels, 1);
        EXPECT_EQ(read.sound.samples.size(), dataSize / 2) << qPrintable(waveName(wave));
        EXPECT_EQ(read.sound.samples.back(), qFromLittleEndian<qint16>(bytes.constData() + 44 + dataSize - 2));
        const double seconds = double(read.sound.frames()) / read.sound.rate;
        EXPECT_GE(seconds, 0.05) << qPrintable(waveName(wave));
        EXPECT_LE(seconds, 2.0) << qPrintable(waveName(wave));
    }
}

TEST(AlsaSoundPlayer, PlaysAWaveThroughTheDeviceAndThenSleeps)
{
    auto log = std::make_shared<DeviceLog>();
    AlsaSoundPlayer player(nullptr, fakeDevice(log));
    const std::vector<int16_t> sel = samplesOf(Wave::Sel);
    ASSERT_FALSE(sel.empty());
    EXPECT_EQ(log->opens, 0) << "the device is opened by the first sound, not before";
    player.play(Wave::Sel);
    ASSERT_TRUE(log->waitUntil([&] { return log->drains == 1; }));
    {
        std::lock_guard lock(log->mutex);
        EXPECT_EQ(log->opens, 1);
        EXPECT_EQ(log->rate, 22050);
        EXPECT_EQ(log->channels, 1);
        EXPECT_EQ(log->drops, 0);
        // Whole periods: the wave, then silence to the end of its last period.
        EXPECT_EQ(log->written.size() % kPeriod, 0u);
        ASSERT_GE(log->written.size(), sel.size());
        EXPECT_LT(log->written.size() - sel.size(), kPeriod);
        EXPECT_TRUE(std::equal(sel.begin(), sel.end(), log->written.begin()));
        EXPECT_TRUE(std::all_of(log->written.begin() + qsizetype(sel.size()), log->written.end(),
                                [](int16_t s) { return s == 0; }));
    }
    EXPECT_EQ(player.soundsStarted(), 1);
    EXPECT_TRUE(player.problem().isEmpty()) << qPrintable(player.problem());

    // Nothing sounds: the worker waits without using the processor (a
    // worker polling or spinning would use a good part of these 300 ms).
    const int writes = log->writes;
    const double cpuBefore = processCpuMs();
    std::this_thread::sleep_for(300ms);
    EXPECT_LT(processCpuMs() - cpuBefore, 60.0);
    EXPECT_EQ(log->writes, writes);

    // The next sound uses the device as it is.
    player.play(Wave::Sel);
    ASSERT_TRUE(log->waitUntil([&] { return log->drains == 2; }));
    EXPECT_EQ(log->opens, 1);
}

TEST(AlsaSoundPlayer, NeverWaitsForTheDeviceAndMixesTheSoundsThatOverlap)
{
    auto log = std::make_shared<DeviceLog>();
    log->holdOpen = true;
    AlsaSoundPlayer player(nullptr, fakeDevice(log));
    player.play(Wave::CardUp);
    // The worker is opening the device (and held there): play() has returned all the same.
    ASSERT_TRUE(log->waitUntil([&] { return log->opening; }));
    player.play(Wave::Sel);
    player.play(Wave::CardUp); // played again before it sounded: one voice, from its start
    log->release();
    ASSERT_TRUE(log->waitUntil([&] { return log->drains == 1; }));

    const std::vector<int16_t> cardUp = samplesOf(Wave::CardUp), sel = samplesOf(Wave::Sel);
    std::vector<int16_t> expected(std::max(cardUp.size(), sel.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const int sum = (i < cardUp.size() ? cardUp[i] : 0) + (i < sel.size() ? sel[i] : 0);
        expected[i] = int16_t(std::clamp(sum, -32768, 32767));
    }
    std::lock_guard lock(log->mutex);
    ASSERT_GE(log->written.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), log->written.begin()));
    EXPECT_EQ(player.soundsStarted(), 3);
}

TEST(AlsaSoundPlayer, WithoutADeviceEverySoundIsSilentAndTheDeviceIsAskedOnce)
{
    auto log = std::make_shared<DeviceLog>();
    log->openProblem = QStringLiteral("no sound device: No such file or directory");
    AlsaSoundPlayer player(nullptr, fakeDevice(log));
    for (int round = 0; round < 2; ++round)
        for (Wave wave : kWaves)
            player.play(wave);
    waitFor([&] { return handled(player) == 16; }, kWaitMs);
    EXPECT_EQ(player.soundsSilenced(), 16);
    EXPECT_EQ(player.soundsStarted(), 0);
    EXPECT_EQ(player.problem(), log->openProblem);
    std::lock_guard lock(log->mutex);
    EXPECT_EQ(log->opens, 1) << "a missing device is not asked for again";
    EXPECT_EQ(log->writes, 0);
}

TEST(AlsaSoundPlayer, ADeviceThatFailsSilencesTheSoundsThatFollow)
{
    auto log = std::make_shared<DeviceLog>();
    log->failWrites = true;
    AlsaSoundPlayer player(nullptr, fakeDevice(log));
    player.play(Wave::Win);
    ASSERT_TRUE(log->waitUntil([&] { return log->writes == 1; }));
    waitFor([&] { return !player.problem().isEmpty(); }, kWaitMs);
    EXPECT_EQ(player.problem(), QStringLiteral("the device went away"));
    player.play(Wave::Undo);
    waitFor([&] { return player.soundsSilenced() == 1; }, kWaitMs);
    EXPECT_EQ(player.soundsSilenced(), 1);
    std::this_thread::sleep_for(50ms);
    std::lock_guard lock(log->mutex);
    EXPECT_EQ(log->writes, 1) << "the failed device is left alone";
    EXPECT_EQ(log->opens, 1);
}

TEST(AlsaSoundPlayer, StopsInTheMiddleOfASoundWhenDestroyed)
{
    auto log = std::make_shared<DeviceLog>();
    log->perWrite = 10ms; // a device taking a period at a time, as a real one does
    auto player = std::make_unique<AlsaSoundPlayer>(nullptr, fakeDevice(log));
    player->play(Wave::Win); // well over a second
    ASSERT_TRUE(log->waitUntil([&] { return log->writes >= 3; }));
    QElapsedTimer timer;
    timer.start();
    player.reset();
    EXPECT_LT(timer.elapsed(), 1000) << "the worker stops between two periods";
    EXPECT_EQ(log->drops, 1) << "what was written is dropped, not played to its end";
    EXPECT_EQ(log->drains, 0);
    EXPECT_LT(log->written.size(), samplesOf(Wave::Win).size());
}

// ALSA itself, on whatever this machine has: without a sound card (a build
// machine) every wave is silent with a reason and ALSA prints nothing.
TEST(AlsaSoundPlayer, PlaysEveryWaveOnThisMachineWithOrWithoutADevice)
{
    ensureResources();
    testing::internal::CaptureStderr();
    {
        AlsaSoundPlayer player;
        for (Wave wave : kWaves)
            player.play(wave);
        waitFor([&] { return handled(player) == 8; }, kWaitMs);
        EXPECT_EQ(handled(player), 8);
        if (player.soundsStarted() < 8) {
            EXPECT_FALSE(player.problem().isEmpty());
        }
        player.play(Wave::Win); // destroyed while it sounds (when it can)
    }
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("ALSA"), std::string::npos) << printed;
}

// ALSA's "null" device takes everything it is given: the real device's
// code on any machine.
TEST(AlsaOutput, WritesPeriodsDrainsAndWritesAgainAfterADrain)
{
    AlsaOutput output("null");
    QString problem;
    const size_t period = output.open(22050, 2, &problem);
    ASSERT_GT(period, 0u) << qPrintable(problem);
    EXPECT_LE(period, 22050u / 40) << "a short period, so a sound starts at once";
    const std::vector<int16_t> samples(period * 2 * 3, 1000);
    EXPECT_TRUE(output.write(samples.data(), period * 3, &problem)) << qPrintable(problem);
    output.drain();
    EXPECT_TRUE(output.write(samples.data(), period * 3, &problem)) << qPrintable(problem);
    output.drop();
    EXPECT_TRUE(output.write(samples.data(), period, &problem)) << qPrintable(problem);
    EXPECT_EQ(output.open(22050, 2, &problem), 0u) << "open once";

    AlsaOutput missing("no_such_device");
    EXPECT_EQ(missing.open(22050, 1, &problem), 0u);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_FALSE(missing.write(samples.data(), period, &problem));
}

TEST(AlsaSoundPlayer, PlaysEveryWaveThroughAlsasNullDevice)
{
    ensureResources();
    auto player = std::make_unique<AlsaSoundPlayer>(nullptr, std::make_unique<AlsaOutput>("null"));
    for (Wave wave : kWaves)
        player->play(wave);
    waitFor([&] { return handled(*player) == 8; }, kWaitMs);
    EXPECT_EQ(player->soundsStarted(), 8);
    EXPECT_TRUE(player->problem().isEmpty()) << qPrintable(player->problem());
    player->play(Wave::Win);
    player.reset(); // while the win sounds
}

TEST(AlsaSoundPlayer, RedoThroughTheGameContextPlaysTheUndoWave)
{
    QTemporaryDir dir;
    GameContext ctx(std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path()));
    auto log = std::make_shared<DeviceLog>();
    AlsaSoundPlayer player(nullptr, fakeDevice(log));
    ctx.setSoundPlayer(&player);
    ctx.data.setIntSetting(IntKey::SoundRedo, -1);
    ctx.PlaySound(SoundEvent::Redo);
    ASSERT_TRUE(log->waitUntil([&] { return log->drains == 1; }));
    const std::vector<int16_t> undo = samplesOf(Wave::Undo);
    {
        std::lock_guard lock(log->mutex);
        ASSERT_GE(log->written.size(), undo.size());
        EXPECT_TRUE(std::equal(undo.begin(), undo.end(), log->written.begin()));
    }
    ctx.data.setIntSetting(IntKey::SoundWin, 1); // only -1 switches a sound on
    ctx.PlaySound(SoundEvent::Win);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(player.soundsStarted(), 1);
    ctx.setSoundPlayer(nullptr);
}

// The program starts without the sound part (and ALSA): it is loaded on a
// worker by the first sound (or by preload()), and the table never waits.
TEST(LazySound, LoadsThePartInTheBackgroundAndPlaysThroughIt)
{
    LazySound sound;
    EXPECT_EQ(sound.player(), nullptr);
    sound.preload();
    waitFor([&] { return sound.player() != nullptr; }, 5000);
    ASSERT_NE(sound.player(), nullptr) << qPrintable(sound.problem());
    sound.play(Wave::Undo);
    auto *player = dynamic_cast<AlsaSoundPlayer *>(sound.player());
    ASSERT_NE(player, nullptr);
    waitFor([&] { return handled(*player) == 1; }, kWaitMs);
    EXPECT_EQ(handled(*player), 1);
}

TEST(LazySound, TheFirstSoundLoadsThePartOnAWorkerAndIsHeardOnceItIsIn)
{
    LazySound sound;
    EXPECT_FALSE(sound.loading()) << "nothing is loaded before a sound is wanted";
    sound.play(Wave::Win);
    EXPECT_TRUE(sound.loading());
    EXPECT_EQ(sound.player(), nullptr) << "the caller does not wait for the part";
    sound.play(Wave::Undo); // asked while loading: only the first one waits
    waitFor([&] { return sound.player() != nullptr; }, 5000);
    ASSERT_NE(sound.player(), nullptr) << qPrintable(sound.problem());
    const auto *player = dynamic_cast<AlsaSoundPlayer *>(sound.player());
    ASSERT_NE(player, nullptr);
    waitFor([&] { return handled(*player) == 1; }, kWaitMs);
    EXPECT_EQ(handled(*player), 1) << "the first sound plays when the part is in, the second does not";
    sound.preload(); // too late to matter: nothing happens
    sound.play(Wave::Undo);
    waitFor([&] { return handled(*player) == 2; }, kWaitMs);
    EXPECT_EQ(handled(*player), 2);
}
