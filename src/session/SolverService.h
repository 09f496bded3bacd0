#pragma once
// Asks the solver about the table in the background. One worker thread runs
// one search at a time on a copy of the position; a new question stops the
// search still running. Answers come back on the thread that owns the
// service, and an answer to a question no longer current is dropped.
#include "session/SolverRequest.h"
#include "solver/Solver.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cardova {

// What is known about one state of the game.
struct SolverAnswer {
    Verdict verdict = Verdict::Unknown;
    std::vector<Move> line; // a win from here, when Winnable
};

class SolverService : public QObject {
    Q_OBJECT
public:
    explicit SolverService(const Budget &budget, QObject *parent = nullptr);
    ~SolverService() override;
    SolverService(const SolverService &) = delete;
    SolverService &operator=(const SolverService &) = delete;

    // Makes the request the current question. A state answered before (on
    // the same line of the log) or following a lost one is answered at once;
    // anything else goes to the worker.
    void ask(SolverRequest request);
    // The budget of the searches that start from now on.
    void setBudget(const Budget &budget);
    // No question is current (no game, a deal, a replay): the search stops.
    void cancel();

    // The answer to the current question, once there is one.
    std::optional<SolverAnswer> answer() const;
    // The current question waits for the worker.
    bool thinking() const { return waiting_; }
    // Searches the worker started, for tests and statistics.
    int searchesStarted() const { return started_.load(); }
    // Blocks until the worker has nothing left to do (tests); its answers
    // still wait in the event queue.
    void waitUntilIdle();

Q_SIGNALS:
    // The answer to the current question arrived.
    void answered();

private:
    struct Job {
        uint64_t id = 0;
        SolverRequest request;
    };
    struct Entry {
        bool known = false;
        uint64_t line = 0; // fingerprint of the log prefix it was asked with
        SolverAnswer answer;
    };

    void work(std::stop_token stop);
    void deliver(uint64_t id, uint64_t game, int logPos, uint64_t line, SolveResult result);
    void forgetDivergedLine(const SolverRequest &request);
    bool lostBefore(int logPos) const;
    void stopRunning();

    Budget budget_; // guarded by mutex_
    // Owned by the owner's thread.
    uint64_t game_ = 0;
    uint64_t currentId_ = 0;
    int currentPos_ = -1;
    bool waiting_ = false;
    std::vector<Entry> cache_; // by log position
    // Shared with the worker.
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Job> pending_;
    bool busy_ = false;
    std::condition_variable idle_;
    std::atomic<bool> stopSearch_{false};
    std::atomic<int> started_{0};
    std::jthread worker_; // last: it starts once everything above exists
};

} // namespace cardova
