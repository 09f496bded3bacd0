#pragma once
// Runs the search for a winnable deal on a worker thread, so the window
// stays responsive; the choice comes back on the thread that owns the
// dealer. A new search stops the one still running, whose choice is dropped.
#include "session/WinnableDeal.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

namespace cardova {

class WinnableDealer : public QObject {
    Q_OBJECT
public:
    explicit WinnableDealer(QObject *parent = nullptr) : QObject(parent) {}
    ~WinnableDealer() override;
    WinnableDealer(const WinnableDealer &) = delete;
    WinnableDealer &operator=(const WinnableDealer &) = delete;

    // Searches the numbers of `search` in order for a winnable deal.
    void start(WinnableSearch search, const WinnableSearchLimits &limits);
    // Stops the search; no choice is told.
    void cancel();
    bool searching() const { return searching_; }
    // Blocks until the worker has told its choice (tests); the choice still
    // waits in the event queue.
    void waitUntilDone();

    // Told on the owner's thread with the game's name and the choice (none
    // when there was no number to try).
    std::function<void(const QString &name, const std::optional<DealChoice> &choice)> chosen;

private:
    uint64_t serial_ = 0;
    bool searching_ = false;
    std::atomic<bool> stop_{false};
    std::jthread worker_;
};

} // namespace cardova
