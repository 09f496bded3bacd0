#pragma once
// Plays the eight bundled waves with Qt Multimedia. Each effect is created
// the first time its wave is asked for, and play() returns at once: without
// a sound device (a headless machine) the effect simply stays silent.
// Which events sound at all is decided by the core (the sound switches).
// This is the sound part (libcardova_sound): the program loads it when it
// needs it (LazySound); the waves are the program's resources, registered
// before the first sound.
#include "engine/Interfaces.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <array>

class QSoundEffect;

namespace cardova::ui {

constexpr int kWaveCount = 8;

// The resource name of a wave: "AUTOPLAY", "CARDDOWN", ... "WIN".
QString waveName(Wave wave);
// Where the wave is bundled: qrc:/sounds/<name>.wav.
QUrl waveUrl(Wave wave);

class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    void play(Wave wave) override;

    // The effect of `wave`, or nullptr when it has never been played.
    const QSoundEffect *effect(Wave wave) const;
    int effectsCreated() const;

private:
    std::array<QSoundEffect *, kWaveCount> effects_{};
};

} // namespace cardova::ui
