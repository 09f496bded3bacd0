#include "session/SolverService.h"

#include <QMetaObject>

namespace cardova {

SolverService::SolverService(const Budget &budget, QObject *parent)
    : QObject(parent), budget_(budget), worker_([this](std::stop_token stop) { work(stop); })
{
}

SolverService::~SolverService()
{
    stopSearch_ = true;
    worker_.request_stop();
    wake_.notify_all();
    worker_.join();
}

void SolverService::setBudget(const Budget &budget)
{
    std::lock_guard lock(mutex_);
    budget_ = budget;
}

void SolverService::stopRunning()
{
    std::lock_guard lock(mutex_);
    pending_.reset();
    // Only a search that is running needs stopping; the flag is cleared
    // before each one starts.
    if (busy_)
        stopSearch_ = true;
}

void SolverService::cancel()
{
    ++currentId_;
    currentPos_ = -1;
    waiting_ = false;
    stopRunning();
}

void SolverService::forgetDivergedLine(const SolverRequest &request)
{
    // The first state known on another line than the request's: it and
    // every later state belong to moves undone and replaced.
    const size_t shared = std::min(cache_.size(), request.line.size());
    for (size_t p = 0; p < shared; ++p) {
        if (cache_[p].known && cache_[p].line != request.line[p]) {
            cache_.resize(p);
            return;
        }
    }
}

bool SolverService::lostBefore(int logPos) const
{
    // After forgetDivergedLine every known state up to logPos lies on the
    // current line, so a lost one there was an ancestor of this state.
    const int last = std::min(logPos, int(cache_.size()) - 1);
    for (int p = 0; p <= last; ++p)
        if (cache_[size_t(p)].known && cache_[size_t(p)].answer.verdict == Verdict::NotWinnable)
            return true;
    return false;
}

void SolverService::ask(SolverRequest request)
{
    if (request.game != game_) {
        game_ = request.game;
        cache_.clear();
    }
    forgetDivergedLine(request);
    ++currentId_;
    currentPos_ = request.logPos;
    stopRunning();
    const size_t pos = size_t(request.logPos);
    if (pos < cache_.size() && cache_[pos].known) {
        waiting_ = false;
        Q_EMIT answered();
        return;
    }
    if (lostBefore(request.logPos)) {
        if (cache_.size() <= pos)
            cache_.resize(pos + 1);
        cache_[pos] = {true, request.line[pos], {Verdict::NotWinnable, {}}};
        waiting_ = false;
        Q_EMIT answered();
        return;
    }
    waiting_ = true;
    {
        std::lock_guard lock(mutex_);
        pending_ = Job{currentId_, std::move(request)};
    }
    wake_.notify_one();
}

std::optional<SolverAnswer> SolverService::answer() const
{
    if (currentPos_ < 0 || size_t(currentPos_) >= cache_.size() || !cache_[size_t(currentPos_)].known)
        return std::nullopt;
    return cache_[size_t(currentPos_)].answer;
}

void SolverService::waitUntilIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !pending_; });
}

void SolverService::work(std::stop_token stop)
{
    for (;;) {
        Job job;
        Budget budget;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, stop, [this] { return pending_.has_value(); });
            if (stop.stop_requested())
                return;
            job = std::move(*pending_);
            pending_.reset();
            busy_ = true;
            stopSearch_ = false;
            budget = budget_;
        }
        ++started_;
        const SolverRequest &r = job.request;
        budget.logRoom = r.logRoom;
        SolveResult result = solve(r.position, r.rules, r.autoplay, budget, &stopSearch_);
        const uint64_t line = r.line[size_t(r.logPos)];
        // Runs on the owner's thread; dropped by Qt if the service is gone.
        QMetaObject::invokeMethod(
            this,
            [this, id = job.id, game = r.game, pos = r.logPos, line, result = std::move(result)]() mutable {
                deliver(id, game, pos, line, std::move(result));
            },
            Qt::QueuedConnection);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        idle_.notify_all();
    }
}

void SolverService::deliver(uint64_t id, uint64_t game, int logPos, uint64_t line, SolveResult result)
{
    // The table moved on (another move, an undo, another game) since the
    // question was asked: the answer is about a state no longer shown.
    if (id != currentId_ || game != game_)
        return;
    if (cache_.size() <= size_t(logPos))
        cache_.resize(size_t(logPos) + 1);
    cache_[size_t(logPos)] = {true, line, {result.verdict, std::move(result.line)}};
    waiting_ = false;
    Q_EMIT answered();
}

} // namespace cardova
