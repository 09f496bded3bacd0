#include "ui/parts/LazySound.h"

#include "ui/appearance/Resources.h"
#include "ui/parts/PartLoader.h"
#include "ui/parts/SoundPart.h"

#include <QThread>
#include <utility>

namespace cardova::ui {

namespace {
const QString kPart = QStringLiteral("cardova_sound");
} // namespace

LazySound::LazySound(QObject *parent) : QObject(parent) {}

LazySound::~LazySound()
{
    if (loader_)
        loader_->wait(); // loading a library cannot be stopped half-way
}

void LazySound::preload()
{
    if (loader_ || done_)
        return;
    // The worker writes entry_ and problem_; they are read only after it ended.
    loader_ = QThread::create([this] { entry_ = loadPartEntry(kPart, CARDOVA_SOUND_PART_ENTRY, &problem_); });
    loader_->setParent(this);
    connect(loader_, &QThread::finished, this, [this] { finishLoading(); });
    loader_->start();
}

void LazySound::finishLoading()
{
    if (done_)
        return;
    done_ = true;
    loader_->wait();
    const std::optional<Wave> waiting = std::exchange(waiting_, std::nullopt);
    if (!entry_)
        return;
    ensureResources(); // the waves are the program's resources
    player_ = reinterpret_cast<CardovaSoundPartEntry>(entry_)(this);
    if (player_ && waiting)
        player_->play(*waiting);
}

void LazySound::play(Wave wave)
{
    if (player_) {
        player_->play(wave);
        return;
    }
    if (done_)
        return; // the part could not be loaded: no sounds this run
    // Only the first sound waits: several at once when the part comes in
    // would be noise, not the game's sounds.
    if (!waiting_)
        waiting_ = wave;
    preload();
}

} // namespace cardova::ui
