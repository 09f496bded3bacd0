#pragma once
// Asks the solver about the table in the background. One worker thread,
// started by the first question that needs a search, runs one search at a
// time on a copy of the position; a new question stops the
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
    // Stops a search under way at once: the worker is gone when it returns.
    ~SolverService() override;
    SolverService(const SolverService &) = delete;
    SolverService &operator=(const SolverService &) = delete;

    // Makes the request the current question. A state answered before (on
    // the same line of the log), one following a lost one, or one reached
    // by the moves of a known win is answered at once; anything else goes
    // to the worker.
    void ask(SolverRequest request);
    // The budget of the searches that start from now on.
    void setBudget(const Budget &budget);
    // No question is current (no game, a deal, a replay): the search stops.
    void cancel();

    // The answer to the current question, once there is one.
    std::optional<SolverAnswer> answer() const;
    // While the current state cannot be won: the latest earlier log
    // position on the same line known to be winnable.
    std::optional<int> lastWinnable() const { return lastWinnable_; }
    // The current question waits for the worker.
    bool thinking() const { return waiting_; }
    // Searches the worker started, for tests and statistics.
    int searchesStarted() const { return started_.load(); }
    // The worker thread exists (from the first search on).
    bool workerStarted() const { return worker_.joinable(); }
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
        // Where the answer's line starts, to follow it from there.
        Position position{};
        bool autoplay = false;
    };

    void work();
    void deliver(uint64_t id, uint64_t game, Entry entry, int logPos);
    void store(int logPos, Entry entry);
    void forgetDivergedLine(const SolverRequest &request);
    bool lostBefore(int logPos) const;
    std::optional<Entry> alongKnownWin(const SolverRequest &request) const;
    void answerNow();
    void stopRunning();

    Budget budget_; // guarded by mutex_
    // Owned by the owner's thread.
    uint64_t game_ = 0;
    uint64_t currentId_ = 0;
    int currentPos_ = -1;
    bool waiting_ = false;
    std::optional<int> lastWinnable_;
    std::vector<Entry> cache_; // by log position
    // Shared with the worker, guarded by mutex_ except the atomics.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Job> pending_;
    bool busy_ = false;
    bool quit_ = false;
    std::condition_variable idle_;
    std::atomic<bool> stopSearch_{false};
    std::atomic<int> started_{0};
    std::thread worker_; // started by ask(), once everything above exists
};

} // namespace cardova
