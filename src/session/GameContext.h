#pragma once
#include "engine/Card.h"
#include "engine/InputState.h"
#include "engine/Interfaces.h"
#include "engine/RuntimeRandom.h"
#include "engine/cArray.h"
#include "rules/cGames.h"
#include "scores/cScore.h"
#include "session/SessionInterfaces.h"
#include "settings/cCustom.h"
#include "settings/cData.h"

#include <QDateTime>
#include <array>
#include <deque>
#include <functional>
#include <memory>

namespace cardova {

class cTrans;

// Keeps whatever EndGame hands over in memory: a test double for the score
// store.
class MemoryScores : public ScoreRecorder {
public:
    struct Entry {
        int16_t won;
        QString game;
        QString number;
        int32_t time;
        int16_t moves;
        int16_t score;
        QString player;
    };
    explicit MemoryScores(const cData &data) : data_(data) {}
    bool AddScore(int16_t mWon) override;
    void AddSesGame(int16_t mWon) override { ++sessionGames; (void)mWon; }
    std::vector<Entry> entries;
    int sessionGames = 0;

private:
    const cData &data_;
};

// Records the win at once, as the finished-game dialog does when it opens.
class RecordWin : public WinHandler {
public:
    void gameWon(GameContext &ctx) override;
    int opened = 0;
};

// Owns the shared instances of one program run and the hooks to the outside
// world. Everything that drives a game takes it explicitly; a test may create
// as many as it likes.
class GameContext {
public:
    explicit GameContext(std::unique_ptr<cData> data);
    ~GameContext();
    GameContext(const GameContext &) = delete;
    GameContext &operator=(const GameContext &) = delete;

    cData &data;
    cGames games;
    cArray table;
    cCustom custom;
    cScore scores; // the score store; EndGame records into it by default
    std::unique_ptr<cTrans> trans;
    RuntimeRandom rng;
    std::array<cCard, kDeckSize> cards{};
    TableMarkers markers;
    InputState input;

    // True while a deal lies on the table (from the shuffle until the table
    // is cleared). Every engine action does nothing while it is false.
    bool tableLive = false;
    // False skips the animation steps (headless play and benchmarks).
    bool animate = true;
    // Keeps automatic play off for this run without touching the setting.
    bool autoplaySuppressed = false;

    void setSurface(TableSurface *s) { surface_ = s ? s : &nullSurface_; }
    TableSurface &surface() { return *surface_; }
    void setSoundPlayer(SoundPlayer *s) { sound_ = s ? s : &nullSound_; }
    void setScoreRecorder(ScoreRecorder *r) { recorder_ = r ? r : &scores; }
    ScoreRecorder &scoreRecorder() { return *recorder_; }
    MemoryScores &memoryScores() { return memoryScores_; }
    void setWinHandler(WinHandler *w) { win_ = w ? w : &recordWin_; }
    WinHandler &winHandler() { return *win_; }
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Told when something the player would lose went wrong (a finished game
    // that could not be written to the score file). The windows show it.
    std::function<void(const QString &)> reportProblem = [](const QString &) {};
    // Told when a game has started or ended, whoever asked for it (a menu,
    // the finished-game dialog, a deferred new game): the windows refresh
    // their commands and counters and wake their timers.
    std::function<void()> gameChanged = [] {};

    // Plays an event's wave when its switch holds exactly -1.
    void PlaySound(SoundEvent event);
    static Wave waveFor(SoundEvent event);

    void bringToFront(int16_t picId) { cards[size_t(picId)].Z = ++zCounter_; }

    // Engine nesting: NewGame asked for while a move is still running waits
    // here and runs when the outermost action has returned.
    int busyDepth = 0;
    void defer(std::function<void()> action) { deferred_.push_back(std::move(action)); }
    bool hasDeferred() const { return !deferred_.empty(); }
    void runDeferred();

private:
    std::unique_ptr<cData> ownedData_;
    NullSurface nullSurface_;
    NullSound nullSound_;
    MemoryScores memoryScores_;
    RecordWin recordWin_;
    TableSurface *surface_ = &nullSurface_;
    SoundPlayer *sound_ = &nullSound_;
    ScoreRecorder *recorder_ = &scores;
    WinHandler *win_ = &recordWin_;
    int64_t zCounter_ = 0;
    std::deque<std::function<void()>> deferred_;
    bool draining_ = false;
};

// Marks engine work in progress; does not run deferred actions.
class BusyScope {
public:
    explicit BusyScope(GameContext &c) : c_(c) { ++c_.busyDepth; }
    ~BusyScope() { --c_.busyDepth; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    GameContext &c_;
};

// Wraps one player or timer action; when the outermost one ends, actions
// deferred during it (a new game asked for by the finished-game dialog) run,
// and the surface is asked to show the state the action left. Animation
// steps repaint on the way, but the last changes of a move (a card turned
// face up, riders set down) come after the last step: without this final
// request the screen would keep the picture of the last step.
class ActionScope {
public:
    explicit ActionScope(GameContext &c) : c_(c) { ++c_.busyDepth; }
    ~ActionScope()
    {
        if (--c_.busyDepth != 0)
            return;
        c_.runDeferred();
        c_.surface().tableChanged();
    }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    GameContext &c_;
};

// A command that moves cards (undo, a replay step, a new game, ...): an
// action that first lets go of a card the mouse holds, so that nothing moves
// under it. The mouse's own actions use ActionScope.
class CommandScope : public ActionScope {
public:
    explicit CommandScope(GameContext &c);
};

} // namespace cardova
