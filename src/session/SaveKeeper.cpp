#include "session/SaveKeeper.h"

#include "session/GameContext.h"
#include "session/GameSave.h"
#include "session/cTrans.h"

namespace cardova {

namespace {
// Superseded states kept before the file is written whole again: about a
// thousand moves' worth, which a restore reads past in well under a
// millisecond.
constexpr qint64 kMaxSupersededBytes = 64 * 1024;

// The length of the state line that closes a chunk or a whole text.
qint64 stateBytes(const QByteArray &text)
{
    return text.size() - 1 - text.lastIndexOf('\n', text.size() - 2);
}
} // namespace

void SaveKeeper::settle()
{
    if (stopped_ || ActionScope::busy(ctx_))
        return;
    if (ctx_.phase == GamePhase::NoGame) {
        // The game was recorded (or the table cleared): nothing to continue.
        if (owned_)
            discardSavedGame(ctx_.data);
        owned_ = false;
        return;
    }
    // A won game waits for its dialog, which records it; the kept move
    // before the win stays until then. A replay is not the player's move.
    if (ctx_.phase != GamePhase::Playing || !ctx_.trans || ctx_.data.ContinueGame() == 0)
        return;
    if (owned_ && gameKey() == keptGame_ && ctx_.trans->TransPos == kept_.transPos &&
        size_t(ctx_.trans->TransTop) == kept_.records.size() && ctx_.data.Autoplay() == keptAutoplay_)
        return; // a rest that changed nothing (a click that moved nothing)
    const QString problem = keep();
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
    if (!ctx_.GameRunning() || !ctx_.trans)
        return QStringLiteral("no game is being played");
    refreshCapture(ctx_, kept_);
    return rewrite();
}

QString SaveKeeper::keep()
{
    const bool sameGame = owned_ && gameKey() == keptGame_;
    const size_t inFile = kept_.records.size();
    const size_t same = refreshCapture(ctx_, kept_);
    if (!sameGame || same < inFile || supersededBytes_ > kMaxSupersededBytes)
        return rewrite();
    const QByteArray chunk = savedGameChunk(kept_, inFile);
    if (!appendToSavedGame(ctx_.data, chunk, fileSize_).isEmpty())
        return rewrite(); // whatever the file holds now, a whole text replaces it
    ++appends_;
    fileSize_ += chunk.size();
    supersededBytes_ += lastStateBytes_;
    lastStateBytes_ = stateBytes(chunk);
    keptAutoplay_ = ctx_.data.Autoplay();
    return {};
}

QString SaveKeeper::rewrite()
{
    const QByteArray text = savedGameText(kept_);
    const QString problem = writeSavedGameText(ctx_.data, text);
    if (!problem.isEmpty()) {
        keptGame_.clear(); // the next rest writes the file whole again
        return problem;
    }
    ++writes_;
    owned_ = true;
    keptGame_ = gameKey();
    fileSize_ = text.size();
    lastStateBytes_ = stateBytes(text);
    supersededBytes_ = 0;
    keptAutoplay_ = ctx_.data.Autoplay();
    return {};
}

// What the file's first lines say: another player (chosen mid-game) means
// the file is written whole again.
QString SaveKeeper::gameKey() const
{
    return ctx_.data.CurGName() + QLatin1Char('\n') + ctx_.data.CurGNo().toText() + QLatin1Char('\n') +
           ctx_.data.CurPlayer();
}

} // namespace cardova
