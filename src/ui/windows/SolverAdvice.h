#pragma once
// The solver at the window: keeps a background search on the table's
// current state, tells in the menu bar whether the game can still be won,
// and turns the answer into a hint on the table.
#include "session/SolverService.h"
#include "ui/windows/SolveRun.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

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
    // the search while no game is played (a deal, a replay, no game). Costs
    // next to nothing while neither the table nor automatic play changed,
    // so the window's timer may call it freely.
    void sync();
    // A game started or ended: what was known belongs to the old one.
    void gameChanged();
    // Shows the next move of a win on the table; with no win known, a move
    // worth trying; while the search runs, whichever of them its answer
    // brings.
    void hint();
    // Plays the solver's win from here on the table.
    void solve();
    SolveRun &solveRun() { return run_; }
    // Shows or hides the verdict in the menu bar (and stores the choice).
    void setShowVerdict(bool on);
    // Takes the game back to the latest earlier position known to be
    // winnable, while the game on the table cannot be won.
    void undoToWinnable();
    // The command that does it: enabled exactly while it can.
    void setUndoToWinnableAction(QAction *action);

    // The text the menu bar shows now.
    QString label() const;
    SolverService &service() { return service_; }
    // How often the move log was read through to ask about it (tests).
    int logReads() const { return logReads_; }

    static constexpr int kMessageMs = 2500;

private:
    void refreshLabel();
    void say(const QString &text);
    void showAdvice(const SolverAnswer &answer);
    void suggest();
    bool playing() const;
    // Moves back from the position now to the latest winnable one.
    std::optional<int> movesSinceWinnable() const;

    GameContext &ctx_;
    TableView &table_;
    QAction &label_;
    SolverService service_;
    SolveRun run_;
    uint64_t serial_ = 1;
    bool asked_ = false;
    bool tableMoved_ = true; // since the last question
    uint64_t askedSerial_ = 0;
    int askedPos_ = -1;
    uint64_t askedLine_ = 0;
    bool askedAutoplay_ = false;
    bool hintWaiting_ = false; // a hint asked for before the answer came
    int logReads_ = 0;
    QString message_; // a hint's message, shown for a while instead of the verdict
    QTimer messageTimer_;
    QPointer<QAction> undoToWinnable_;
};

} // namespace cardova::ui
