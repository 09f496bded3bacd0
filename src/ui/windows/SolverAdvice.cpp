#include "ui/windows/SolverAdvice.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"
#include "session/UndoTo.h"
#include "session/cTrans.h"
#include "solver/Suggestion.h"
#include "ui/windows/HintText.h"
#include "ui/windows/TableView.h"

#include <QAction>

namespace cardova::ui {

namespace {
const QString kWinnable = QStringLiteral("Winnable");
const QString kLost = QStringLiteral("Cannot be won from here");
const QString kUndecided = QStringLiteral("Undecided");
} // namespace

Budget SolverAdvice::windowBudget()
{
    Budget b;
    // Long enough to decide most deals, short enough that a hint asked
    // right after a move rarely waits.
    b.maxSeconds = 2.0;
    b.tableBytes = std::size_t(32) << 20;
    return b;
}

SolverAdvice::SolverAdvice(GameContext &ctx, TableView &table, QAction &label, const Budget &budget,
                           QObject *parent)
    : QObject(parent), ctx_(ctx), table_(table), label_(label), service_(budget), run_(ctx)
{
    // The table is empty after a solved game: the word stays until the next
    // game, so a player who looked away still learns what happened.
    run_.solved = [this] {
        messageTimer_.stop();
        message_ = QStringLiteral("Solved by the computer: counted as not won");
        refreshLabel();
    };
    messageTimer_.setSingleShot(true);
    messageTimer_.setInterval(kMessageMs);
    connect(&messageTimer_, &QTimer::timeout, this, [this] {
        message_.clear();
        refreshLabel();
    });
    // Every action that moves cards ends here: only then is the log worth
    // reading again. Noted at once, so a hint right after a move never
    // answers for the table before it.
    connect(&table_, &TableView::settled, this, [this] { tableMoved_ = true; });
    connect(&service_, &SolverService::answered, this, [this] {
        refreshLabel();
        if (hintWaiting_) {
            hintWaiting_ = false;
            if (const auto answer = service_.answer())
                showAdvice(*answer);
        }
    });
    connect(&label_, &QAction::triggered, this, [this] { undoToWinnable(); });
    refreshLabel();
}

bool SolverAdvice::playing() const
{
    return ctx_.phase == GamePhase::Playing && ctx_.trans;
}

void SolverAdvice::gameChanged()
{
    ++serial_;
    run_.stop();
    message_.clear();
    hintWaiting_ = false;
    sync();
}

void SolverAdvice::sync()
{
    // Only the player's own turn is worth a search: a deal or a replay
    // passes through states nobody asked about.
    // While the computer plays its line, every state on it is known won.
    if (run_.running())
        return;
    if (!playing() || ActionScope::busy(ctx_) || ctx_.input.Dragging) {
        if (ctx_.phase != GamePhase::Playing && asked_) {
            service_.cancel();
            asked_ = false;
            hintWaiting_ = false;
        }
        refreshLabel();
        return;
    }
    const bool autoplay = autoplayFollows(ctx_);
    // Answers with automatic play differ from those without: switching it
    // starts over as if for another game.
    if (asked_ && autoplay != askedAutoplay_)
        ++serial_;
    // Nothing moved and nothing was switched: the question stands.
    if (asked_ && !tableMoved_ && askedSerial_ == serial_)
        return;
    tableMoved_ = false;
    SolverRequest request = solverRequest(ctx_, serial_);
    ++logReads_;
    const uint64_t line = request.line.back();
    // An action that left the log where it was (a card dropped back).
    if (asked_ && askedSerial_ == serial_ && askedPos_ == request.logPos && askedLine_ == line)
        return;
    asked_ = true;
    askedSerial_ = serial_;
    askedPos_ = request.logPos;
    askedLine_ = line;
    askedAutoplay_ = autoplay;
    hintWaiting_ = false; // it was about another table
    service_.ask(std::move(request));
    refreshLabel();
}

std::optional<int> SolverAdvice::movesSinceWinnable() const
{
    const auto back = service_.lastWinnable();
    if (!back || !asked_ || askedPos_ <= *back)
        return std::nullopt;
    return askedPos_ - *back;
}

QString SolverAdvice::label() const
{
    if (!message_.isEmpty())
        return message_;
    if (ctx_.data.ShowWinnable() == 0 || ctx_.phase != GamePhase::Playing || !asked_)
        return {};
    const auto answer = service_.answer();
    if (!answer)
        return kUndecided;
    switch (answer->verdict) {
    case Verdict::Winnable: return kWinnable;
    case Verdict::NotWinnable:
        if (const auto moves = movesSinceWinnable())
            return *moves == 1 ? kLost + QStringLiteral(" (it could be won 1 move ago)")
                               : kLost + QStringLiteral(" (it could be won %1 moves ago)").arg(*moves);
        return kLost;
    case Verdict::Unknown: break;
    }
    return kUndecided;
}

void SolverAdvice::refreshLabel()
{
    const QString text = label();
    if (label_.text() != text)
        label_.setText(text);
    const bool canGoBack = playing() && movesSinceWinnable().has_value();
    label_.setToolTip(canGoBack ? QStringLiteral("Click to undo to the last winnable position") : QString());
    if (undoToWinnable_)
        undoToWinnable_->setEnabled(canGoBack);
}

void SolverAdvice::say(const QString &text)
{
    message_ = text;
    messageTimer_.start();
    refreshLabel();
}

void SolverAdvice::suggest()
{
    const Rules rules = currentRules(ctx_);
    const Position position = currentPosition(ctx_, rules);
    const auto move = suggestMove(position, rules, autoplayFollows(ctx_));
    if (!move) {
        say(QStringLiteral("No move is possible."));
        return;
    }
    say(QStringLiteral("Try: ") + moveText(position, *move));
    if (move->kind == MoveKind::Card)
        table_.showHint(*move);
}

void SolverAdvice::showAdvice(const SolverAnswer &answer)
{
    if (!playing())
        return;
    switch (answer.verdict) {
    case Verdict::NotWinnable:
        if (const auto moves = movesSinceWinnable())
            say(QStringLiteral("This game cannot be won from here. It could be won %1 %2 ago.")
                    .arg(*moves)
                    .arg(*moves == 1 ? QStringLiteral("move") : QStringLiteral("moves")));
        else
            say(QStringLiteral("This game cannot be won from here."));
        return;
    case Verdict::Winnable:
        if (!answer.line.empty()) {
            const Move &next = answer.line.front();
            if (next.kind == MoveKind::Card)
                table_.showHint(next);
            else
                say(next.kind == MoveKind::TurnStock ? QStringLiteral("Turn the stock")
                                                     : QStringLiteral("Turn the waste back"));
            return;
        }
        break;
    case Verdict::Unknown: break;
    }
    // No win known: the move the search would try first, as a suggestion.
    suggest();
}

void SolverAdvice::hint()
{
    sync();
    if (!playing())
        return;
    const auto answer = service_.answer();
    if (!answer) {
        // The answer is on its way: the hint follows it.
        hintWaiting_ = true;
        say(QStringLiteral("Still thinking..."));
        return;
    }
    showAdvice(*answer);
}

void SolverAdvice::solve()
{
    if (run_.running())
        return;
    sync();
    if (!playing())
        return;
    const auto answer = service_.answer();
    if (!answer)
        say(QStringLiteral("Still thinking..."));
    else if (answer->verdict == Verdict::NotWinnable)
        say(QStringLiteral("This game cannot be won from here."));
    else if (answer->verdict == Verdict::Unknown || answer->line.empty())
        say(QStringLiteral("No win found in the time allowed."));
    else
        run_.start(answer->line);
}

void SolverAdvice::setShowVerdict(bool on)
{
    ctx_.data.setIntSetting(IntKey::ShowWinnable, on ? 1 : 0);
    refreshLabel();
}

void SolverAdvice::undoToWinnable()
{
    if (!playing() || run_.running())
        return;
    const auto back = service_.lastWinnable();
    if (!back || !movesSinceWinnable())
        return;
    message_.clear();
    CmdUndoTo(ctx_, *back);
    sync();
}

void SolverAdvice::setUndoToWinnableAction(QAction *action)
{
    undoToWinnable_ = action;
    refreshLabel();
}

} // namespace cardova::ui
