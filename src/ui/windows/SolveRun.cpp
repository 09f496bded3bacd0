#include "ui/windows/SolveRun.h"

#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"

#include <QCoreApplication>
#include <QEvent>

namespace cardova::ui {

void SolveRun::RecordAsLost::gameWon(GameContext &ctx)
{
    // In place of the finished-game dialog: the game goes to the scores as
    // not won, and the table clears.
    // The window's own handler offers a new game, as after a win; taken
    // now, since the end of the game ends the run and puts it back.
    WinHandler *window = run_.saved_;
    EndGame(ctx, 0);
    run_.solved();
    if (window)
        window->gameSolved(ctx);
}

SolveRun::SolveRun(GameContext &ctx, QObject *parent) : QObject(parent), ctx_(ctx)
{
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

SolveRun::~SolveRun()
{
    if (!running())
        return;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    // The window that owned the handler saved is closing too.
    ctx_.setWinHandler(nullptr);
}

void SolveRun::start(std::vector<Move> line)
{
    stop();
    if (line.empty())
        return;
    line_ = std::move(line);
    next_ = 0;
    saved_ = &ctx_.winHandler();
    ctx_.setWinHandler(&lost_);
    QCoreApplication::instance()->installEventFilter(this);
    timer_.start();
}

void SolveRun::stop()
{
    if (!running())
        return;
    timer_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    ctx_.setWinHandler(saved_);
    saved_ = nullptr;
    line_.clear();
}

void SolveRun::step()
{
    if (!running())
        return;
    if (ctx_.phase != GamePhase::Playing || next_ >= line_.size()) {
        stop();
        return;
    }
    // An action still under way (an animation) finishes first.
    if (ActionScope::busy(ctx_) || ctx_.input.Dragging)
        return;
    const Move move = line_[next_++];
    if (!playMove(ctx_, move))
        stop();
}

bool SolveRun::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        stop(); // the player takes over; the input does what it always does
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace cardova::ui
