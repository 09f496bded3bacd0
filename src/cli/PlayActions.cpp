#include "cli/PlayActions.h"

#include "cli/TableJson.h"
#include "engine/Input.h"
#include "session/Commands.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace cardova {

namespace {
// Where inside the card the scripted press lands, in table units.
constexpr double kGrab = 150.0;

struct CardState {
    int16_t cell, pile, pos;
    int32_t face;
    bool visible;
    bool operator==(const CardState &) const = default;
};

std::array<CardState, kDeckSize> snapshot(const GameContext &ctx)
{
    std::array<CardState, kDeckSize> s{};
    for (int i = 0; i < kDeckSize; ++i) {
        const cCard &c = ctx.cards[size_t(i)];
        s[size_t(i)] = {c.Cell, c.Pile, c.Pos, c.FaceMode, c.Visible};
    }
    return s;
}

int16_t sourceCard(const GameContext &ctx, const PlayAction &a)
{
    switch (a.srcCell) {
    case kTableau:
        if (a.srcPos > ctx.table.GetTop(kTableau, a.srcPile))
            return -1;
        return ctx.table.GetPicID(kTableau, a.srcPile, a.srcPos);
    case kWaste:
        return ctx.table.GetTop(kWaste, 0) >= 0 ? ctx.table.GetTopPicID(kWaste, 0) : int16_t(-1);
    default:
        return ctx.table.GetTop(kFoundation, a.srcPile) >= 0 ? ctx.table.GetTopPicID(kFoundation, a.srcPile)
                                                          : int16_t(-1);
    }
}

void pressStock(GameContext &ctx)
{
    if (ctx.table.GetTop(kStock, 0) < 0) {
        StockMarkerClick(ctx);
        return;
    }
    const int16_t top = ctx.table.GetTopPicID(kStock, 0);
    CardMouseDown(ctx, top, kGrab, kGrab);
    CardMouseUp(ctx, top);
}

void dragAndDrop(GameContext &ctx, const PlayAction &a)
{
    if (!ctx.data.GameRunning || !ctx.tableLive)
        return;
    const int16_t id = sourceCard(ctx, a);
    if (id < 0)
        return;
    const int16_t dstPos = int16_t(ctx.table.GetTop(a.dstCell, a.dstPile) + 1);
    const int targetX = ctx.games.GetCordX(a.dstCell, a.dstPile, dstPos);
    const int targetY = ctx.games.GetCordY(a.dstCell, a.dstPile, dstPos);
    CardMouseDown(ctx, id, kGrab, kGrab);
    const cCard &card = ctx.cards[size_t(id)];
    CardMouseMove(ctx, id, targetX - card.Left + kGrab, targetY - card.Top + kGrab);
    CardMouseUp(ctx, id);
}
} // namespace

std::optional<PlayAction> parsePlayAction(const QString &text)
{
    using K = PlayAction::Kind;
    static const std::pair<const char *, K> kWords[] = {
        {"stock", K::Stock},     {"undo", K::Undo},         {"redo", K::Redo},
        {"undoall", K::UndoAll}, {"redoall", K::RedoAll},   {"back", K::Back},
        {"forward", K::Forward}, {"autoplay:on", K::AutoplayOn}, {"autoplay:off", K::AutoplayOff}};
    for (const auto &[word, kind] : kWords)
        if (text == QLatin1String(word)) {
            PlayAction a;
            a.kind = kind;
            return a;
        }
    static const QRegularExpression drag(
        QStringLiteral("^(?:t(\\d{1,2}):(\\d{1,2})|(w)|f(\\d))>(t|f)(\\d{1,2})$"));
    const auto m = drag.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    PlayAction a;
    a.kind = K::Drag;
    if (!m.captured(1).isEmpty()) {
        a.srcCell = kTableau;
        a.srcPile = m.captured(1).toInt();
        a.srcPos = m.captured(2).toInt();
        if (a.srcPile > 10)
            return std::nullopt;
    } else if (!m.captured(3).isEmpty()) {
        a.srcCell = kWaste;
    } else {
        a.srcCell = kFoundation;
        a.srcPile = m.captured(4).toInt();
        if (a.srcPile > 3)
            return std::nullopt;
    }
    a.dstCell = m.captured(5) == QLatin1String("t") ? kTableau : kFoundation;
    a.dstPile = m.captured(6).toInt();
    if (a.dstPile > (a.dstCell == kTableau ? 10 : 3))
        return std::nullopt;
    return a;
}

bool performPlayAction(GameContext &ctx, const PlayAction &a)
{
    using K = PlayAction::Kind;
    const auto before = snapshot(ctx);
    switch (a.kind) {
    case K::Stock: pressStock(ctx); break;
    case K::Drag: dragAndDrop(ctx, a); break;
    case K::Undo: CmdUndo(ctx); break;
    case K::Redo: CmdRedo(ctx); break;
    case K::UndoAll: CmdUndoAll(ctx); break;
    case K::RedoAll: CmdRedoAll(ctx); break;
    case K::Back: ReplayBackwardStep(ctx); break;
    case K::Forward: ReplayForwardStep(ctx); break;
    case K::AutoplayOn:
        if (ctx.data.Autoplay() != 1)
            CmdToggleAutoplay(ctx);
        break;
    case K::AutoplayOff:
        if (ctx.data.Autoplay() != 0)
            ctx.data.SetAutoplay(0);
        break;
    }
    return snapshot(ctx) != before;
}

QString historyJson(const GameContext &ctx)
{
    QStringList rows;
    if (ctx.trans) {
        for (const HistoryRow &r : ctx.trans->CreateLV()) {
            const QString mark = r.mark == HistoryRow::Mark::Current ? QStringLiteral("current")
                                 : r.mark == HistoryRow::Mark::Redo  ? QStringLiteral("redo")
                                                                     : QString();
            rows << QStringLiteral("[%1, %2, %3, %4, %5]")
                        .arg(r.number)
                        .arg(JsonText::quote(r.source), JsonText::quote(r.destination))
                        .arg(r.cards)
                        .arg(JsonText::quote(mark));
        }
    }
    return QLatin1Char('[') + rows.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace cardova
