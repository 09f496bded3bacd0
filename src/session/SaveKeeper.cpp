#include "session/SaveKeeper.h"

#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/cTrans.h"

namespace cardova {

void SaveKeeper::settle()
{
    if (stopped_ || ActionScope::busy(ctx_))
        return;
    if (ctx_.phase == GamePhase::NoGame) {
        // The game was recorded (or the table cleared): nothing to continue.
        if (owned_)
            discardSavedGame(ctx_.data);
        owned_ = false;
        lastPos_ = -1;
        return;
    }
    // A won game waits for its dialog, which records it; the kept move
    // before the win stays until then. A replay is not the player's move.
    if (ctx_.phase != GamePhase::Playing || !ctx_.trans || ctx_.data.ContinueGame() == 0)
        return;
    const QString game = ctx_.data.CurGName() + QLatin1Char('\n') + ctx_.data.CurGNo().toText();
    if (owned_ && game == lastGame_ && ctx_.trans->TransPos == lastPos_ && ctx_.trans->TransTop == lastTop_ &&
        ctx_.data.Autoplay() == lastAutoplay_)
        return;
    const QString problem = saveNow();
    if (!problem.isEmpty() && !reported_) {
        reported_ = true;
        ctx_.reportProblem(QStringLiteral("The game could not be kept for the next start (%1).").arg(problem));
    }
}

void SaveKeeper::discard()
{
    if (owned_ && !stopped_)
        discardSavedGame(ctx_.data);
    owned_ = false;
    stopped_ = true;
}

QString SaveKeeper::saveNow()
{
    if (stopped_)
        return QStringLiteral("saving is off");
    const QString problem = writeSavedGame(ctx_);
    if (!problem.isEmpty())
        return problem;
    ++writes_;
    owned_ = true;
    lastGame_ = ctx_.data.CurGName() + QLatin1Char('\n') + ctx_.data.CurGNo().toText();
    lastPos_ = ctx_.trans->TransPos;
    lastTop_ = ctx_.trans->TransTop;
    lastAutoplay_ = ctx_.data.Autoplay();
    return {};
}

} // namespace cardova
