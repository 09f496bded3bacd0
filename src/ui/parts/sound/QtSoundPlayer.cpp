#include "ui/parts/sound/QtSoundPlayer.h"

#include "ui/parts/SoundPart.h"

#include <QSoundEffect>

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

QUrl waveUrl(Wave wave) { return QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(waveName(wave))); }

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent) {}

QtSoundPlayer::~QtSoundPlayer() = default; // the effects are children

void QtSoundPlayer::play(Wave wave)
{
    const size_t i = indexOf(wave);
    if (i >= effects_.size())
        return;
    if (!effects_[i]) {
        // The effect loads its wave asynchronously and starts playing as
        // soon as it is loaded; the data stays with it until it is done.
        effects_[i] = new QSoundEffect(this);
        effects_[i]->setSource(waveUrl(wave));
    }
    effects_[i]->play();
}

const QSoundEffect *QtSoundPlayer::effect(Wave wave) const
{
    const size_t i = indexOf(wave);
    return i < effects_.size() ? effects_[i] : nullptr;
}

int QtSoundPlayer::effectsCreated() const
{
    int n = 0;
    for (const QSoundEffect *e : effects_)
        n += e != nullptr;
    return n;
}

} // namespace cardova::ui

extern "C" Q_DECL_EXPORT cardova::SoundPlayer *cardovaSoundPart(QObject *parent)
{
    return new cardova::ui::QtSoundPlayer(parent);
}
