#pragma once
// The solver at the window: keeps a background search on the table's
// current state, tells in the menu bar whether the game can still be won,
// and turns the answer into a hint on the table.
#include "session/SolverService.h"
#include "ui/windows/SolveRun.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

class QAction;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class TableView;

class SolverAdvice : public QObject {
    Q_OBJECT
public:
    // How long one search may take in the window.
    static Budget windowBudget();

    SolverAdvice(GameContext &ctx, TableView &table, QAction &label, const Budget &budget,
                 QObject *parent = nullptr);

    // Asks about the table when it shows a state not asked about yet; stops
    // the search while no game is played (a deal, a replay, no game).
    void sync();
    // A game started or ended: what was known belongs to the old one.
    void gameChanged();
    // Shows the next move of a win on the table, or says why there is none.
    void hint();
    // Plays the solver's win from here on the table.
    void solve();
    SolveRun &solveRun() { return run_; }
    // Shows or hides the verdict in the menu bar (and stores the choice).
    void setShowVerdict(bool on);

    // The text the menu bar shows now.
    QString label() const;
    SolverService &service() { return service_; }

    static constexpr int kMessageMs = 2500;

private:
    void refreshLabel();
    void say(const QString &text);
    // The answer for the table now, or a message said instead.
    std::optional<SolverAnswer> winFromHere();

    GameContext &ctx_;
    TableView &table_;
    QAction &label_;
    SolverService service_;
    SolveRun run_;
    uint64_t serial_ = 1;
    bool asked_ = false;
    uint64_t askedSerial_ = 0;
    int askedPos_ = -1;
    uint64_t askedLine_ = 0;
    bool askedAutoplay_ = false;
    QString message_; // a hint's message, shown for a while instead of the verdict
    QTimer messageTimer_;
};

} // namespace cardova::ui
