#include "session/SolverService.h"

#include "solver/Transition.h"

#include <QMetaObject>

namespace cardova {

SolverService::SolverService(const Budget &budget, QObject *parent) : QObject(parent), budget_(budget) {}

SolverService::~SolverService()
{
    {
        // Under the lock, so that a worker taking a job either sees quit_
        // or has cleared the stop flag before it is set here: the search
        // under way ends within a few thousand positions either way.
        std::lock_guard lock(mutex_);
        quit_ = true;
        pending_.reset();
        stopSearch_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
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
    lastWinnable_.reset();
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

std::optional<SolverService::Entry> SolverService::alongKnownWin(const SolverRequest &request) const
{
    // The latest earlier state known to be won: when the player's moves
    // since then are the first moves of its win, the rest of that win
    // still wins from here.
    const int below = std::min(request.logPos, int(cache_.size()));
    for (int p = below - 1; p >= 0; --p) {
        const Entry &known = cache_[size_t(p)];
        if (!known.known || known.answer.verdict != Verdict::Winnable)
            continue;
        if (known.autoplay != request.autoplay)
            return std::nullopt;
        const std::vector<Move> &line = known.answer.line;
        Position q = known.position;
        // The last move wins the game, which leaves nothing to ask about.
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            playTurn(q, request.rules, line[i], known.autoplay);
            if (q == request.position)
                return Entry{true,
                             request.line[size_t(request.logPos)],
                             {Verdict::Winnable, std::vector<Move>(line.begin() + std::ptrdiff_t(i) + 1, line.end())},
                             request.position,
                             request.autoplay};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

void SolverService::store(int logPos, Entry entry)
{
    if (cache_.size() <= size_t(logPos))
        cache_.resize(size_t(logPos) + 1);
    cache_[size_t(logPos)] = std::move(entry);
}

void SolverService::answerNow()
{
    waiting_ = false;
    lastWinnable_.reset();
    const Entry &now = cache_[size_t(currentPos_)];
    if (now.answer.verdict == Verdict::NotWinnable) {
        for (int p = currentPos_ - 1; p >= 0; --p) {
            const Entry &e = cache_[size_t(p)];
            if (e.known && e.answer.verdict == Verdict::Winnable) {
                lastWinnable_ = p;
                break;
            }
        }
    }
    Q_EMIT answered();
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
    lastWinnable_.reset();
    stopRunning();
    const size_t pos = size_t(request.logPos);
    if (pos < cache_.size() && cache_[pos].known) {
        answerNow();
        return;
    }
    if (lostBefore(request.logPos)) {
        store(request.logPos,
              {true, request.line[pos], {Verdict::NotWinnable, {}}, request.position, request.autoplay});
        answerNow();
        return;
    }
    if (auto along = alongKnownWin(request)) {
        store(request.logPos, std::move(*along));
        answerNow();
        return;
    }
    waiting_ = true;
    {
        std::lock_guard lock(mutex_);
        pending_ = Job{currentId_, std::move(request)};
    }
    // The worker starts with the first question it has to search: until
    // then the program has no thread (nor its stack and memory pool) for it.
    if (!worker_.joinable())
        worker_ = std::thread([this] { work(); });
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

void SolverService::work()
{
    for (;;) {
        Job job;
        Budget budget;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || pending_.has_value(); });
            if (quit_)
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
        Entry entry{true, r.line[size_t(r.logPos)], {result.verdict, std::move(result.line)}, r.position, r.autoplay};
        // Runs on the owner's thread; dropped by Qt if the service is gone.
        QMetaObject::invokeMethod(
            this,
            [this, id = job.id, game = r.game, pos = r.logPos, entry = std::move(entry)]() mutable {
                deliver(id, game, std::move(entry), pos);
            },
            Qt::QueuedConnection);
        {
            std::lock_guard lock(mutex_);
            busy_ = false;
        }
        idle_.notify_all();
    }
}

void SolverService::deliver(uint64_t id, uint64_t game, Entry entry, int logPos)
{
    // The table moved on (another move, an undo, another game) since the
    // question was asked: the answer is about a state no longer shown.
    if (id != currentId_ || game != game_)
        return;
    store(logPos, std::move(entry));
    answerNow();
}

} // namespace cardova
