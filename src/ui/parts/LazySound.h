#pragma once
// Plays the sounds through the sound part, which is loaded only when a sound
// is wanted: the first sound asked for maps the part on a worker thread and
// is heard as soon as the part is in (preload() starts that earlier). The
// table never waits for it. Until then, and when the part cannot be loaded,
// a sound is simply not heard.
#include "engine/Interfaces.h"

#include <QFunctionPointer>
#include <QObject>
#include <QString>
#include <optional>

class QThread;

namespace cardova::ui {

class LazySound : public QObject, public SoundPlayer {
public:
    explicit LazySound(QObject *parent = nullptr);
    ~LazySound() override;

    void play(Wave wave) override;
    // Loads the part on a worker thread; the player is made on this thread
    // when the worker is done. Calling it again does nothing.
    void preload();
    // The player of the part, once made (nullptr before, or when it failed).
    SoundPlayer *player() const { return player_; }
    // Why there is no player, once loading is over.
    QString problem() const { return problem_; }
    // Loading has started (and may be over).
    bool loading() const { return loader_ != nullptr; }

private:
    void finishLoading();

    QThread *loader_ = nullptr;
    QFunctionPointer entry_ = nullptr; // the part's entry, once loaded
    SoundPlayer *player_ = nullptr;    // a child of this object
    QString problem_;
    bool done_ = false;
    // The first sound asked for while the part loads, played once it is in.
    std::optional<Wave> waiting_;
};

} // namespace cardova::ui
