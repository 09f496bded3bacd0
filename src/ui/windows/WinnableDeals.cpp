#include "ui/windows/WinnableDeals.h"

#include "session/GameContext.h"
#include "session/Lifecycle.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace cardova::ui {

namespace {
// How soon a choice that came in during a move is offered again.
constexpr int kRetryMs = 50;
} // namespace

WinnableDeals::WinnableDeals(GameContext &ctx, StartGame startGame, Tell tell, QObject *parent)
    : QObject(parent), ctx_(ctx), startGame_(std::move(startGame)), tell_(std::move(tell)),
      limits_(interactiveLimits())
{
    dealer_.chosen = [this](const QString &name, const std::optional<DealChoice> &choice) {
        dealChosen(name, choice);
    };
}

WinnableDeals::~WinnableDeals()
{
    cancel();
}

void WinnableDeals::dealRandom(const QString &name)
{
    auto search = ctx_.data.WinnableOnly() != 0 ? winnableSearchFor(ctx_, name, limits_.maxDeals) : std::nullopt;
    if (!search) {
        // With the switch off, or a game that cannot be loaded (which
        // starting it reports), the number is dealt as drawn.
        cancel();
        startGame_(name, RandomGameNo(ctx_));
        return;
    }
    setBusy(true);
    waiting_ = true;
    dealer_.start(std::move(*search), limits_);
}

void WinnableDeals::cancel()
{
    dealer_.cancel();
    waiting_ = false;
    setBusy(false);
}

void WinnableDeals::toggle()
{
    ctx_.data.setIntSetting(IntKey::WinnableOnly, ctx_.data.WinnableOnly() != 0 ? 0 : 1);
}

void WinnableDeals::dealChosen(const QString &name, const std::optional<DealChoice> &choice)
{
    if (!waiting_)
        return; // another game was started meanwhile
    if (ActionScope::busy(ctx_)) {
        // The choice came in while cards move (a deal lets events run):
        // it is dealt once they have come to rest.
        QTimer::singleShot(kRetryMs, this, [this, name, choice] { dealChosen(name, choice); });
        return;
    }
    waiting_ = false;
    setBusy(false);
    if (!choice) {
        startGame_(name, RandomGameNo(ctx_));
        return;
    }
    startGame_(name, choice->number);
    if (!choice->proven)
        tell_(QStringLiteral("No winnable deal was found in time, so game %1 was dealt; it may not be winnable.")
                  .arg(choice->number.toText()));
}

void WinnableDeals::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace cardova::ui
