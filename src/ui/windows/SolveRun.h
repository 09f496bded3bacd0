#pragma once
// Plays a line of the solver on the table, one move per tick, through the
// same moves as the player's. Any input of the player ends it. A game the
// line finishes is recorded as lost: the computer won it, not the player.
#include "engine/Moves.h"
#include "session/SessionInterfaces.h"

#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <vector>

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class SolveRun : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepMs = 350;

    explicit SolveRun(GameContext &ctx, QObject *parent = nullptr);
    ~SolveRun() override;

    void start(std::vector<Move> line);
    void stop();
    bool running() const { return saved_ != nullptr; }
    // Plays the next move of the line (the timer's work; tests call it).
    void step();

    // Told when the line has finished the game.
    std::function<void()> solved = [] {};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class RecordAsLost : public WinHandler {
    public:
        explicit RecordAsLost(SolveRun &run) : run_(run) {}
        void gameWon(GameContext &ctx) override;

    private:
        SolveRun &run_;
    };

    GameContext &ctx_;
    QTimer timer_;
    std::vector<Move> line_;
    std::size_t next_ = 0;
    RecordAsLost lost_{*this};
    WinHandler *saved_ = nullptr; // the window's win handler while the line plays
};

} // namespace cardova::ui
