#include "ui/windows/StaleInput.h"

#include <QInputEvent>

#include <algorithm>
#include <chrono>

namespace cardova::ui {

StaleInput::StaleInput(QObject *parent, Clock clock) : QObject(parent), clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] {
            using namespace std::chrono;
            return int64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
}

void StaleInput::dropQueuedUntilNow()
{
    // Before any stamped input was seen there is nothing queued to compare.
    if (calibrated_)
        cutoff_ = clock_() - offset_;
}

bool StaleInput::isInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool StaleInput::eventFilter(QObject *, QEvent *event)
{
    if (!isInput(event))
        return false;
    const auto *input = static_cast<QInputEvent *>(event);
    // A stamp of 0 is an event made by the program itself: it has no time.
    const int64_t stamp = int64_t(input->timestamp());
    if (stamp == 0)
        return false;
    const int64_t offset = clock_() - stamp;
    offset_ = calibrated_ ? std::min(offset_, offset) : offset;
    calibrated_ = true;
    if (stamp > cutoff_)
        return false;
    // Accepting the override keeps a stale key from firing a menu shortcut.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    return true;
}

} // namespace cardova::ui
