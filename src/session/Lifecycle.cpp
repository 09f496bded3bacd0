#include "session/Lifecycle.h"

#include "common/Numeric.h"
#include "session/MoveDriver.h"
#include "session/DealGame.h"
#include "session/Input.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <QDir>

namespace cardova {

void InitMain(GameContext &ctx)
{
    QDir().mkpath(ctx.data.AppDir());
    ctx.custom.Init();
    ctx.data.SesStartTime = ctx.now();
    if (ctx.data.TotalPlayers() == 0)
        ctx.data.SetPlayer(1, QStringLiteral("Player1"), true);
    else if (ctx.data.CurPlayer().isEmpty())
        // Without a current player no game would be recorded.
        ctx.data.SetCurPlayer(ctx.data.GetPlayer(1));
}

namespace {
// Mixes the time of day into the shared generator, as the runtime's
// clock reseed does.
void reseedFromClock(GameContext &ctx)
{
    ctx.rng.mix(double(ctx.now().time().msecsSinceStartOfDay()) / 1000.0);
}

void startGame(GameContext &ctx, const QString &gName, const GameNumber &gameNo)
{
    // A game on the table is recorded first; one already won as won.
    if (ctx.GameRunning())
        EndGame(ctx, 0);
    else if (ctx.phase == GamePhase::Finished)
        EndGame(ctx, 1);
    ctx.data.SetRecent(gName);
    ctx.custom.SelectGame(gName);
    ctx.gameRecord = ctx.custom.record();
    ctx.data.SetCurGNo(gameNo);
    ctx.data.SetCurGName(gName);
    reseedFromClock(ctx);
    ClearTable(ctx);
    ctx.table.Init(ctx.data.CurGNo().toDouble());
    ctx.phase = GamePhase::Dealing;
    AssignCards(ctx);
    ctx.trans = std::make_unique<cTrans>(ctx);
    ctx.data.CurTime = 0;
    ctx.data.CurMoves = 0;
    ctx.data.CurScore = 0;
    DealGame(ctx);
    RunAutoPlay(ctx);
    ctx.phase = GamePhase::Playing;
    ctx.data.GameStartTime = ctx.now();
    ctx.surface().tableChanged();
}
} // namespace

QString NewGame(GameContext &ctx, const QString &gName, const GameNumber &gameNo)
{
    GameRecord record;
    const QString problem = ctx.custom.LoadRecord(gName, &record);
    if (!problem.isEmpty())
        return problem;
    {
        CommandScope command(ctx);
        startGame(ctx, gName, gameNo);
    }
    ctx.gameChanged();
    return {};
}

void EndGame(GameContext &ctx, int16_t mWon)
{
    // A win keeps the figures taken when it was found (and shown by the
    // finished-game dialog); an abandoned game is measured now.
    CancelDrag(ctx);
    if (mWon != 1)
        FinalCounters(ctx);
    ctx.winCheckDue = false;
    if (!ctx.scoreRecorder().AddScore(mWon))
        ctx.reportProblem(QStringLiteral("This game could not be written to the score file (%1). "
                                         "It is counted for this session only.")
                              .arg(ctx.scoreRecorder().lastError()));
    ctx.scoreRecorder().AddSesGame(mWon);
    ClearTable(ctx);
    ctx.gameChanged();
    ctx.tableSettled();
}

void CheckWin(GameContext &ctx)
{
    if (!ctx.GameRunning())
        return;
    if (ctx.table.TotalGoalCards() == ctx.games.TotalCards()) {
        CancelDrag(ctx);
        FinalCounters(ctx);
        ctx.phase = GamePhase::Finished;
        ctx.winHandler().gameWon(ctx);
    }
}

int16_t GetScore(const GameContext &ctx)
{
    if (!ctx.GameRunning())
        return 0;
    const double g = ctx.table.TotalGoalCards();
    const double score = g * 10.0 - (double(ctx.data.CurTime) / 3.0 + double(ctx.data.CurMoves) / 2.0);
    return round16(score);
}

int32_t ElapsedTime(const GameContext &ctx)
{
    if (!ctx.GameRunning() || !ctx.data.GameStartTime.isValid())
        return 0;
    const qint64 s = ctx.data.GameStartTime.secsTo(ctx.now());
    if (s < 0)
        return 0; // the clock was set back
    return s > INT32_MAX ? INT32_MAX : int32_t(s);
}

double RandomRange(int16_t rangeIndex)
{
    double r = 0;
    if (rangeIndex >= 1) {
        r = 1;
        for (int i = 0; i < rangeIndex; ++i)
            r *= 10;
    }
    return r;
}

GameNumber RandomGameNo(GameContext &ctx)
{
    const double r = RandomRange(ctx.data.RangeIndex());
    reseedFromClock(ctx);
    const double u = ctx.rng.next();
    return GameNumber::fromNumber(roundHalfEven(r * u));
}

void ClearTable(GameContext &ctx)
{
    for (cCard &card : ctx.cards) {
        card.Visible = false;
        card.Selected = false;
        card.SetLoc(0, 0, 0);
        card.SetValue(0, 0, 0);
        card.FaceMode = 1;
    }
    for (auto &m : ctx.markers.Home)
        m.Visible = false;
    for (auto &m : ctx.markers.Right)
        m.Visible = false;
    for (auto &m : ctx.markers.Res)
        m.Visible = false;
    for (auto &m : ctx.markers.Cells)
        m.Visible = false;
    ctx.markers.Waste.Visible = false;
    ctx.markers.Stock.Visible = false;
    ctx.table.Clear();
    ctx.phase = GamePhase::NoGame;
    ctx.input.Dragging = false;
    ctx.surface().tableChanged();
}

void UpdateCounters(GameContext &ctx)
{
    if (!ctx.GameRunning())
        return;
    ctx.data.CurScore = GetScore(ctx);
    ctx.data.CurTime = ElapsedTime(ctx);
    ctx.data.CurMoves = ctx.trans ? ctx.trans->GetTransID() : int16_t(0);
}

int16_t StockMarkerPicture(const GameContext &ctx)
{
    if (ctx.games.turnBacks() == 0)
        return kMarkerEmptyStock; // the waste never goes back
    // Under a stock that still holds cards the mark lies hidden; the deal
    // shows the turn-back mark there.
    if (ctx.table.GetTop(kStock, 0) >= 0 || !ctx.trans)
        return kMarkerRecycle;
    const Rules rules = currentRules(ctx);
    return isLegal(currentPosition(ctx, rules), rules, Move::turnWasteBack()) ? kMarkerRecycle : kMarkerEmptyStock;
}

bool RefreshStockMarker(GameContext &ctx)
{
    if (!ctx.markers.Stock.Visible)
        return false;
    const int16_t picture = StockMarkerPicture(ctx);
    if (ctx.markers.Stock.Picture == picture)
        return false;
    ctx.markers.Stock.Picture = picture;
    return true;
}

void FinalCounters(GameContext &ctx)
{
    if (!ctx.GameRunning())
        return;
    ctx.data.CurTime = ElapsedTime(ctx);
    ctx.data.CurMoves = ctx.trans ? ctx.trans->GetTransID() : int16_t(0);
    ctx.data.CurScore = GetScore(ctx);
}

QString MainCaption(const GameContext &ctx)
{
    if (ctx.data.CurGName().isEmpty())
        return ctx.data.ProdName();
    return QStringLiteral("%1 [%2] [%3] [%4]")
        .arg(ctx.data.ProdName(), ctx.data.CurGName(), ctx.data.CurPlayer(),
             ctx.data.CurGNo().toText());
}

} // namespace cardova
