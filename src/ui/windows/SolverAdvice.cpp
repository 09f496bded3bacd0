#include "ui/windows/SolverAdvice.h"

#include "session/GameContext.h"
#include "session/cTrans.h"
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
    connect(&service_, &SolverService::answered, this, [this] { refreshLabel(); });
    refreshLabel();
}

void SolverAdvice::gameChanged()
{
    ++serial_;
    run_.stop();
    message_.clear();
    sync();
}

void SolverAdvice::sync()
{
    // Only the player's own turn is worth a search: a deal or a replay
    // passes through states nobody asked about.
    // While the computer plays its line, every state on it is known won.
    if (run_.running())
        return;
    if (ctx_.phase != GamePhase::Playing || !ctx_.trans || ActionScope::busy(ctx_) || ctx_.input.Dragging) {
        if (ctx_.phase != GamePhase::Playing && asked_) {
            service_.cancel();
            asked_ = false;
        }
        refreshLabel();
        return;
    }
    const bool autoplay = autoplayFollows(ctx_);
    // Answers with automatic play differ from those without: switching it
    // starts over as if for another game.
    if (asked_ && autoplay != askedAutoplay_)
        ++serial_;
    const int pos = ctx_.trans->TransPos;
    std::vector<uint64_t> line = logLine(ctx_);
    if (asked_ && askedSerial_ == serial_ && askedPos_ == pos && askedLine_ == line.back())
        return;
    SolverRequest request = solverRequest(ctx_, serial_);
    asked_ = true;
    askedSerial_ = serial_;
    askedPos_ = pos;
    askedLine_ = line.back();
    askedAutoplay_ = autoplay;
    service_.ask(std::move(request));
    refreshLabel();
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
    case Verdict::NotWinnable: return kLost;
    case Verdict::Unknown: break;
    }
    return kUndecided;
}

void SolverAdvice::refreshLabel()
{
    const QString text = label();
    if (label_.text() != text)
        label_.setText(text);
}

void SolverAdvice::say(const QString &text)
{
    message_ = text;
    messageTimer_.start();
    refreshLabel();
}

std::optional<SolverAnswer> SolverAdvice::winFromHere()
{
    sync();
    if (ctx_.phase != GamePhase::Playing)
        return std::nullopt;
    const auto answer = service_.answer();
    if (!answer)
        say(QStringLiteral("Still thinking..."));
    else if (answer->verdict == Verdict::NotWinnable)
        say(QStringLiteral("This game cannot be won from here."));
    else if (answer->verdict == Verdict::Unknown || answer->line.empty())
        say(QStringLiteral("No win found in the time allowed."));
    else
        return answer;
    return std::nullopt;
}

void SolverAdvice::hint()
{
    const auto answer = winFromHere();
    if (!answer)
        return;
    const Move &next = answer->line.front();
    if (next.kind != MoveKind::Card) {
        say(QStringLiteral("Turn the stock"));
        return;
    }
    table_.showHint(next);
}

void SolverAdvice::solve()
{
    if (run_.running())
        return;
    if (const auto answer = winFromHere())
        run_.start(answer->line);
}

void SolverAdvice::setShowVerdict(bool on)
{
    ctx_.data.setIntSetting(IntKey::ShowWinnable, on ? 1 : 0);
    refreshLabel();
}

} // namespace cardova::ui
