#include "session/WinnableDealer.h"

#include <QMetaObject>

namespace cardova {

WinnableDealer::~WinnableDealer()
{
    cancel();
}

void WinnableDealer::cancel()
{
    ++serial_;
    searching_ = false;
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
}

void WinnableDealer::waitUntilDone()
{
    if (worker_.joinable())
        worker_.join();
}

void WinnableDealer::start(WinnableSearch search, const WinnableSearchLimits &limits)
{
    cancel();
    searching_ = true;
    const uint64_t serial = serial_;
    worker_ = std::jthread([this, serial, search = std::move(search), limits] {
        size_t next = 0;
        const NumberSource source = [&search, &next]() -> std::optional<GameNumber> {
            if (next >= search.numbers.size())
                return std::nullopt;
            return search.numbers[next++];
        };
        const auto choice = chooseWinnableNumber(search.games, search.autoplay, source, limits, &stop_);
        QMetaObject::invokeMethod(
            this,
            [this, serial, name = search.name, choice] {
                if (serial != serial_)
                    return; // cancelled, or another search asked for since
                searching_ = false;
                if (chosen)
                    chosen(name, choice);
            },
            Qt::QueuedConnection);
    });
}

} // namespace cardova
