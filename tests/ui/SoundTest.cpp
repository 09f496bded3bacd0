// The bundled waves and the Qt player: every wave is a short, valid PCM
// file, effects are made only when first needed, and playing works (or
// stays silent) without a sound device.
#include "engine/Interfaces.h"
#include "session/GameContext.h"
#include "settings/cData.h"
#include "ui/appearance/Resources.h"
#include "ui/parts/LazySound.h"
#include "ui/parts/sound/QtSoundPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace cardova;
using namespace cardova::ui;

namespace {
const Wave kWaves[] = {Wave::AutoPlay, Wave::CardDown, Wave::CardUp, Wave::Sel,
                       Wave::Start,    Wave::Stock,    Wave::Undo,   Wave::Win};

struct WaveInfo {
    bool valid = false;
    int channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

// Reads the RIFF chunks of a WAV file.
WaveInfo readWave(const QByteArray &bytes)
{
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    qsizetype pos = 12;
    int format = 0;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        const char *body = bytes.constData() + pos + 8;
        if (id == "fmt " && size >= 16) {
            format = qFromLittleEndian<quint16>(body);
            info.channels = qFromLittleEndian<quint16>(body + 2);
            info.rate = int(qFromLittleEndian<quint32>(body + 4));
            info.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data" && info.rate > 0 && info.channels > 0 && info.bits > 0) {
            info.seconds = double(size) / (info.rate * info.channels * info.bits / 8);
            info.valid = format == 1 && pos + 8 + qsizetype(size) <= bytes.size();
        }
        pos += 8 + size + (size & 1);
    }
    return info;
}

void waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
} // namespace

TEST(Waves, EveryWaveIsBundledAsAShortPcmFile)
{
    const QStringList names = {"AUTOPLAY", "CARDDOWN", "CARDUP", "SEL", "START", "STOCK", "UNDO", "WIN"};
    int i = 0;
    for (Wave wave : kWaves) {
        EXPECT_EQ(waveName(wave), names[i++]);
        QFile file(QLatin1Char(':') + waveUrl(wave).path());
        ensureResources();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        const WaveInfo info = readWave(file.readAll());
        EXPECT_TRUE(info.valid) << qPrintable(waveName(wave));
        EXPECT_EQ(info.bits, 16);
        EXPECT_GE(info.seconds, 0.05) << qPrintable(waveName(wave));
        EXPECT_LE(info.seconds, 2.0) << qPrintable(waveName(wave));
    }
}

TEST(QtSoundPlayer, MakesEachEffectOnceWhenItsWaveIsFirstPlayed)
{
    ensureResources();
    QtSoundPlayer player;
    EXPECT_EQ(player.effectsCreated(), 0);
    EXPECT_EQ(player.effect(Wave::Undo), nullptr);
    player.play(Wave::Undo);
    player.play(Wave::Undo);
    ASSERT_NE(player.effect(Wave::Undo), nullptr);
    EXPECT_EQ(player.effect(Wave::Undo)->source(), waveUrl(Wave::Undo));
    EXPECT_EQ(player.effectsCreated(), 1);
    for (Wave wave : kWaves)
        player.play(wave);
    EXPECT_EQ(player.effectsCreated(), 8);
}

TEST(QtSoundPlayer, LoadsTheWavesWithOrWithoutASoundDevice)
{
    ensureResources();
    QtSoundPlayer player;
    for (Wave wave : kWaves)
        player.play(wave);
    // Loading finishes in the background; none of the waves may fail to load.
    auto settled = [&] {
        for (Wave wave : kWaves)
            if (player.effect(wave)->status() != QSoundEffect::Ready &&
                player.effect(wave)->status() != QSoundEffect::Error)
                return false;
        return true;
    };
    waitFor(settled, 5000);
    for (Wave wave : kWaves)
        EXPECT_EQ(player.effect(wave)->status(), QSoundEffect::Ready) << qPrintable(waveName(wave));
}

TEST(QtSoundPlayer, RedoThroughTheGameContextPlaysTheUndoWave)
{
    QTemporaryDir dir;
    GameContext ctx(std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.path()));
    QtSoundPlayer player;
    ctx.setSoundPlayer(&player);
    ctx.data.setIntSetting(IntKey::SoundRedo, -1);
    ctx.PlaySound(SoundEvent::Redo);
    EXPECT_NE(player.effect(Wave::Undo), nullptr);
    EXPECT_EQ(player.effectsCreated(), 1);
    ctx.data.setIntSetting(IntKey::SoundWin, 1); // only -1 switches a sound on
    ctx.PlaySound(SoundEvent::Win);
    EXPECT_EQ(player.effect(Wave::Win), nullptr);
    ctx.setSoundPlayer(nullptr);
}

// The program starts without Qt Multimedia: the sound part is loaded on a
// worker by the first sound (or by preload()), and the table never waits.
TEST(LazySound, LoadsThePartInTheBackgroundAndPlaysThroughIt)
{
    LazySound sound;
    EXPECT_EQ(sound.player(), nullptr);
    sound.preload();
    waitFor([&] { return sound.player() != nullptr; }, 5000);
    ASSERT_NE(sound.player(), nullptr) << qPrintable(sound.problem());
    sound.play(Wave::Undo);
    auto *player = dynamic_cast<QtSoundPlayer *>(sound.player());
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(player->effectsCreated(), 1);
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
    const auto *player = static_cast<QtSoundPlayer *>(sound.player());
    EXPECT_NE(player->effect(Wave::Win), nullptr) << "the first sound plays when the part is in";
    EXPECT_EQ(player->effectsCreated(), 1);
    sound.preload(); // too late to matter: nothing happens
    sound.play(Wave::Undo);
    EXPECT_EQ(player->effectsCreated(), 2);
}
