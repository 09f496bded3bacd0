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
#include <functional>
#include <memory>

namespace cardova {

class cTrans;

// Where the game on the table stands. Every command reads it: cards move
// only while a deal lies there, and only a running game takes input.
enum class GamePhase {
    NoGame,    // the table is empty
    Dealing,   // a deal is being laid out (with its first automatic play)
    Playing,   // the player's turn
    Replaying, // the replay timers step through the log
    Finished,  // won: every card is home, the finished game not yet recorded
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
    RuntimeRandom rng;
    CardSprites cards{};
    cArray table;
    cCustom custom;
    cScore scores; // the score store; EndGame records into it by default
    std::unique_ptr<cTrans> trans;
    TableMarkers markers;
    InputState input;

    GamePhase phase = GamePhase::NoGame;
    // The record of the game on the table, as it was dealt: the rules it is
    // played under, whatever record was loaded since to be shown.
    GameRecord gameRecord;
    // A game is running while it is played or replayed: input, counters and
    // most commands work only then.
    bool GameRunning() const { return phase == GamePhase::Playing || phase == GamePhase::Replaying; }
    // A deal lies on the table and cards may move.
    bool tableLive() const { return GameRunning() || phase == GamePhase::Dealing; }

    // False skips the animation steps (headless play and benchmarks).
    bool animate = true;
    // Keeps automatic play off for this run without touching the setting.
    bool autoplaySuppressed = false;

    void setSurface(TableSurface *s)
    {
        surface_ = s ? s : &nullSurface_;
        table.setSurface(surface_);
    }
    TableSurface &surface() { return *surface_; }
    void setSoundPlayer(SoundPlayer *s) { sound_ = s ? s : &nullSound_; }
    void setScoreRecorder(ScoreRecorder *r) { recorder_ = r ? r : &scores; }
    ScoreRecorder &scoreRecorder() { return *recorder_; }
    void setWinHandler(WinHandler *w) { win_ = w ? w : &recordWin_; }
    WinHandler &winHandler() { return *win_; }
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // Told when something the player would lose went wrong (a finished game
    // that could not be written to the score file). The windows show it.
    std::function<void(const QString &)> reportProblem = [](const QString &) {};
    // Told when a game has started or ended, whoever asked for it (a menu,
    // the finished-game dialog): the windows refresh
    // their commands and counters and wake their timers.
    std::function<void()> gameChanged = [] {};
    // Told why a player's move was refused, where the reason is one the
    // player can act on ("Only 4 cards can move now"). The window shows it.
    std::function<void(const QString &)> moveRefused = [](const QString &) {};
    // Told when the table has come to rest: after the outermost action and
    // after a game was recorded. A kept game follows the table from here.
    std::function<void()> tableSettled = [] {};

    // Plays an event's wave when its switch holds exactly -1.
    void PlaySound(SoundEvent event);
    static Wave waveFor(SoundEvent event);

    void bringToFront(int16_t picId) { table.bringToFront(picId); }

    // A card moved while the game ran: the outermost action checks the win
    // when it has returned.
    bool winCheckDue = false;

private:
    std::unique_ptr<cData> ownedData_;
    NullSurface nullSurface_;
    NullSound nullSound_;
    RecordWin recordWin_;
    TableSurface *surface_ = &nullSurface_;
    SoundPlayer *sound_ = &nullSound_;
    ScoreRecorder *recorder_ = &scores;
    WinHandler *win_ = &recordWin_;
    int actionDepth_ = 0;
    friend class ActionScope;
};

// Wraps one player or timer action. When the outermost one ends, the
// surface is asked to show the state the action left (animation steps
// repaint on the way, but the last changes of a move, a card turned face up
// or riders set down, come after the last step), and then the win is
// checked: the win handler runs only after the move has returned.
class ActionScope {
public:
    explicit ActionScope(GameContext &c) : c_(c) { ++c_.actionDepth_; }
    ~ActionScope();
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;
    // True while some action is still running.
    static bool busy(const GameContext &c) { return c.actionDepth_ > 0; }

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
