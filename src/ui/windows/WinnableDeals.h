#pragma once
// "Winnable Deals Only" at the window: a new game with a random number
// waits, under a busy cursor, for the background search for a number whose
// deal the solver proves winnable, then deals it. When none is proven in
// time, the last number tried is dealt and the player is told so.
#include "session/WinnableDealer.h"

#include <QObject>
#include <QString>
#include <functional>

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class WinnableDeals : public QObject {
    Q_OBJECT
public:
    using StartGame = std::function<void(const QString &name, const GameNumber &number)>;
    using Tell = std::function<void(const QString &text)>;
    WinnableDeals(GameContext &ctx, StartGame startGame, Tell tell, QObject *parent = nullptr);
    ~WinnableDeals() override;

    // Deals game `name` with a random number: at once with the switch off,
    // else once the search has chosen the number.
    void dealRandom(const QString &name);
    // Drops a search still running (another game was started meanwhile).
    void cancel();
    // A New Game waits for its number.
    bool searching() const { return waiting_; }
    // Blocks until the search has chosen (tests); the choice is dealt when
    // the event queue runs.
    void waitForTheChoice() { dealer_.waitUntilDone(); }
    // Turns the switch over and stores it.
    void toggle();

    // The limits of the searches from now on (tests use node budgets).
    void setLimits(const WinnableSearchLimits &limits) { limits_ = limits; }

private:
    void dealChosen(const QString &name, const std::optional<DealChoice> &choice);
    void setBusy(bool busy);

    GameContext &ctx_;
    StartGame startGame_;
    Tell tell_;
    WinnableDealer dealer_;
    WinnableSearchLimits limits_;
    bool waiting_ = false;
    bool busy_ = false;
};

} // namespace cardova::ui
