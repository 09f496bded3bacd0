#pragma once
#include <QObject>

#include <cstdint>
#include <functional>

class QInputEvent;

namespace cardova::ui {

// Drops the mouse and key input that queued up while the window was busy (a
// deal, an undo-all): a click made then must not act afterwards. It works by
// the events' own time stamps, so nothing else that waits in the queue (timers,
// solver answers, replay ticks) runs in the middle of an action.
//
// An event's stamp comes from the window system's clock, whose zero is not
// ours. The filter learns the difference from the events it sees: each one is
// delivered at or after its stamp, so the smallest (our clock - stamp) seen is
// the closest bound. It can only err by dropping too little, never a click
// made after the action ended.
class StaleInput : public QObject {
public:
    using Clock = std::function<int64_t()>; // milliseconds, steady
    explicit StaleInput(QObject *parent = nullptr, Clock clock = {});

    // Input stamped up to now is dropped when it arrives.
    void dropQueuedUntilNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool isInput(const QEvent *event);

    Clock clock_;
    bool calibrated_ = false;
    int64_t offset_ = 0;               // our clock minus the window system's
    int64_t cutoff_ = INT64_MIN;       // in the window system's clock
};

} // namespace cardova::ui
