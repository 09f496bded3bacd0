#include "session/GameSave.h"

#include "engine/cArray.h"
#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace cardova {

namespace {
const QString kFileName = QStringLiteral("saved-game.cdvsave");
// A kept game never comes near this: the longest log and the states an
// append leaves before the file is written whole again fill a megabyte or
// two. A larger file is set aside without being read.
constexpr qint64 kMaxSavedGameBytes = 16 * 1024 * 1024;

bool fail(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

// A record can be made again only from the table it was logged on: its card
// where it was taken, with exactly its riders, going onto the next free slot
// of another pile. A log that does not fit the deal is caught here, before
// it could put a card where none belongs.
uint64_t tableHash(const GameContext &ctx)
{
    return currentPosition(ctx, currentRules(ctx)).hash();
}

bool fitsTable(const GameContext &ctx, const TransRecord &r)
{
    const cCard &card = ctx.cards[size_t(r.PicID)];
    if (card.Cell != r.SCell || card.Pile != r.SPile || card.Pos != r.SPos)
        return false;
    if (ctx.table.GetPicID(r.SCell, r.SPile, r.SPos) != r.PicID ||
        ctx.table.GetTop(r.SCell, r.SPile) != r.SPos + r.mCards)
        return false;
    if ((r.DCell == r.SCell && r.DPile == r.SPile) || !cArray::validTarget(r.DCell, r.DPile, r.DPos, r.mCards))
        return false;
    return ctx.table.GetTop(r.DCell, r.DPile) + 1 == r.DPos;
}

// Makes the logged moves again on the fresh deal through the log itself.
// First every record alone, each checked against the table; then, with the
// records' groups in place, undo goes back to where the player stood, which
// must be the end of a group as Undo and Redo always leave it.
bool replayLog(GameContext &ctx, const SavedGame &game, QString *why)
{
    cTrans &log = *ctx.trans;
    if (log.TransTop != 0)
        return fail(why, QStringLiteral("its deal did not start as it was saved"));
    std::vector<TransRecord> single = game.records;
    for (TransRecord &r : single)
        r.Multi = 0;
    log.loadRecords(single, 0);
    int16_t speed = 0;
    for (const TransRecord &r : game.records)
        if (!fitsTable(ctx, r) || !log.Redo(speed))
            return fail(why, QStringLiteral("its moves do not fit its deal"));
    log.loadRecords(game.records, int16_t(game.records.size()));
    while (log.TransPos > game.transPos && log.Undo(speed)) {
    }
    if (log.TransPos != game.transPos || tableHash(ctx) != game.tableHash)
        return fail(why, QStringLiteral("its moves do not fit its deal"));
    return true;
}

QString asideName(const QString &path)
{
    QString name = path + QStringLiteral(".damaged");
    for (int i = 2; QFileInfo::exists(name) && i < 10000; ++i)
        name = path + QStringLiteral(".damaged-%1").arg(i);
    return name;
}
} // namespace

QString savedGamePath(const cData &data)
{
    return data.AppDir() + kFileName;
}

bool savedGameExists(const cData &data)
{
    return QFileInfo::exists(savedGamePath(data));
}

SavedGame captureGame(const GameContext &ctx)
{
    SavedGame g;
    refreshCapture(ctx, g);
    return g;
}

size_t refreshCapture(const GameContext &ctx, SavedGame &g)
{
    g.gameName = ctx.data.CurGName();
    g.gameNumber = ctx.data.CurGNo().toText();
    g.player = ctx.data.CurPlayer();
    g.record = ctx.gameRecord;
    g.elapsed = ElapsedTime(ctx);
    g.score = ctx.data.CurScore;
    g.autoplay = ctx.data.Autoplay();
    g.autoplaySuppressed = ctx.autoplaySuppressed;
    if (!ctx.trans) {
        g.records.clear();
        return 0;
    }
    g.tableHash = tableHash(ctx);
    g.transPos = ctx.trans->TransPos;
    const size_t top = size_t(ctx.trans->TransTop);
    size_t same = 0;
    while (same < std::min(top, g.records.size()) && g.records[same] == ctx.trans->record(int(same) + 1))
        ++same;
    g.records.resize(same);
    g.records.reserve(top);
    for (size_t i = same; i < top; ++i)
        g.records.push_back(ctx.trans->record(int(i) + 1));
    return same;
}

QString writeSavedGame(const GameContext &ctx)
{
    if (!ctx.GameRunning() || !ctx.trans)
        return QStringLiteral("no game is being played");
    return writeSavedGameText(ctx.data, savedGameText(captureGame(ctx)));
}

QString writeSavedGameText(const cData &data, const QByteArray &text)
{
    if (text.isEmpty())
        return QStringLiteral("the name of the game cannot be written down");
    QDir().mkpath(data.AppDir());
    QSaveFile file(savedGamePath(data));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString appendToSavedGame(const cData &data, const QByteArray &chunk, qint64 expectedSize)
{
    QFile file(savedGamePath(data));
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.size() != expectedSize)
        return QStringLiteral("the kept file was changed by someone else");
    if (file.write(chunk) != chunk.size())
        return file.errorString();
    return {};
}

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

void discardSavedGame(const cData &data)
{
    const QString path = savedGamePath(data);
    if (QFileInfo(path).isFile())
        QFile::remove(path);
}

bool restoreGame(GameContext &ctx, const SavedGame &game, QString *why)
{
    if (ctx.phase != GamePhase::NoGame)
        return fail(why, QStringLiteral("another game is on the table"));
    const auto number = GameNumber::fromText(game.gameNumber);
    if (!number)
        return fail(why, QStringLiteral("its game number cannot be read"));
    const bool wasSuppressed = ctx.autoplaySuppressed;
    const bool wasAnimated = ctx.animate;
    bool restored = false;
    {
        // One action around it all: the win is not looked for on the way.
        ActionScope action(ctx);
        // The log holds the automatic moves already; none may be added.
        ctx.autoplaySuppressed = true;
        ctx.animate = false;
        const QString problem = NewGame(ctx, game.gameName, *number);
        if (!problem.isEmpty())
            fail(why, QStringLiteral("its game \"%1\" cannot be loaded").arg(game.gameName));
        else if (game.record && *game.record != ctx.gameRecord)
            fail(why, QStringLiteral("the rules of \"%1\" were changed after it was kept").arg(game.gameName));
        else
            restored = replayLog(ctx, game, why);
        ctx.winCheckDue = false;
        ctx.animate = wasAnimated;
        if (restored) {
            ctx.autoplaySuppressed = game.autoplaySuppressed;
            if (ctx.data.Autoplay() != game.autoplay)
                ctx.data.SetAutoplay(game.autoplay);
            ctx.data.CurTime = game.elapsed;
            ctx.data.CurMoves = ctx.trans->GetTransID();
            ctx.data.CurScore = game.score;
            ctx.data.GameStartTime = ctx.now().addSecs(-qint64(game.elapsed));
        } else {
            ctx.autoplaySuppressed = wasSuppressed;
            ClearTable(ctx);
        }
    }
    ctx.gameChanged();
    return restored;
}

namespace {
// The file as a game, or the reason it is none.
std::optional<SavedGame> readSavedGame(const QString &path, QString *why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxSavedGameBytes) {
        *why = QStringLiteral("it is far larger than any kept game");
        return std::nullopt;
    }
    return parseSavedGame(file.readAll(), why);
}

// A file written before kept games held their record: a standard game's
// rules never change, and a designed game's may have only if its game file
// was written after the kept game last was.
bool rulesMayHaveChanged(const GameContext &ctx, const SavedGame &game, const QString &path)
{
    if (game.record || standardGameRecord(game.gameName))
        return false;
    const QFileInfo rules(ctx.custom.gameFilePath(game.gameName));
    return rules.exists() && rules.lastModified() > QFileInfo(path).lastModified();
}

bool isPlayer(const cData &data, const QString &name)
{
    if (name.isEmpty()) // a free slot, not a player
        return false;
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(int16_t(slot)) == name)
            return true;
    return false;
}

// Checks what the file says of the game against this run, before anything
// is laid out; empty text when it may be continued.
QString reasonNotToContinue(const GameContext &ctx, const SavedGame &game, const QString &path)
{
    if (game.player && *game.player != ctx.data.CurPlayer() && !isPlayer(ctx.data, *game.player))
        return QStringLiteral("its player \"%1\" is no longer among the players").arg(*game.player);
    if (rulesMayHaveChanged(ctx, game, path))
        return QStringLiteral("the rules of \"%1\" may have been changed after it was kept").arg(game.gameName);
    return {};
}

// What continuing a game changes beyond the table, put back when the game is
// not continued after all.
struct Before {
    explicit Before(const GameContext &ctx)
        : player(ctx.data.CurPlayer()), autoplay(ctx.data.Autoplay()), suppressed(ctx.autoplaySuppressed)
    {
    }
    void putBack(GameContext &ctx) const
    {
        if (ctx.data.CurPlayer() != player)
            ctx.data.SetCurPlayer(player);
        if (ctx.data.Autoplay() != autoplay)
            ctx.data.SetAutoplay(autoplay);
        ctx.autoplaySuppressed = suppressed;
    }
    QString player;
    int16_t autoplay;
    bool suppressed;
};
} // namespace

ContinueResult continueSavedGame(GameContext &ctx, const RemoveFile &remove)
{
    ContinueResult result;
    const QString path = savedGamePath(ctx.data);
    if (ctx.phase != GamePhase::NoGame || !QFileInfo(path).isFile())
        return result;
    QString why;
    const std::optional<SavedGame> game = readSavedGame(path, &why);
    if (game)
        why = reasonNotToContinue(ctx, *game, path);
    if (game && why.isEmpty()) {
        const Before before(ctx);
        const bool otherPlayer = game->player && *game->player != before.player;
        if (otherPlayer) // the game is counted for whom it was kept
            ctx.data.SetCurPlayer(*game->player);
        // The file goes before the action ends: whoever keeps the game
        // saved writes it anew then. A file that stays would bring the game
        // back at the next start after it was counted, so its game is not
        // continued.
        ActionScope action(ctx);
        const bool restored = restoreGame(ctx, *game, &why);
        if (restored && remove(path)) {
            result.kind = ContinueResult::Kind::Continued;
            if (otherPlayer)
                result.message =
                    QStringLiteral("The saved game of %1 was continued, so %1 is now the current player.")
                        .arg(*game->player);
            return result;
        }
        before.putBack(ctx);
        if (restored) {
            ClearTable(ctx);
            ctx.gameChanged();
            result.kind = ContinueResult::Kind::Blocked;
            result.fileBlocked = true;
            result.message = QStringLiteral("The saved game %1 was not continued because it cannot be removed and "
                                            "would come back to be counted again at the next start, so it is left "
                                            "untouched and no game is kept this time.")
                                 .arg(QDir::toNativeSeparators(path));
            return result;
        }
    }
    result.kind = ContinueResult::Kind::SetAside;
    const QString aside = asideName(path);
    if (QFile::rename(path, aside)) {
        result.message = QStringLiteral("The saved game could not be continued because %1, so it was kept as %2 "
                                        "and a new game can be started.")
                             .arg(why, QDir::toNativeSeparators(aside));
    } else {
        result.fileBlocked = true;
        result.message = QStringLiteral("The saved game %1 could not be continued because %2 and could not be "
                                        "moved aside, so it is left untouched and no game is kept this time.")
                             .arg(QDir::toNativeSeparators(path), why);
    }
    return result;
}

} // namespace cardova
