#include "cli/PlayActions.h"

#include "cli/TableJson.h"
#include "session/Input.h"
#include "session/MoveDriver.h"
#include "session/Commands.h"
#include "session/GameContext.h"
#include "session/cTrans.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>

namespace cardova {

namespace {
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

// "stock" turns the stock, or turns the waste back when the stock is empty.
void pressStock(GameContext &ctx)
{
    playMove(ctx, stockClick(ctx));
}

Source sourceOfAction(const GameContext &ctx, const PlayAction &a)
{
    const uint8_t top = uint8_t(std::max(0, int(ctx.table.GetTop(a.srcCell, a.srcPile))));
    switch (a.srcCell) {
    case kWaste: return {SourceKind::Waste, 0, 0};
    case kFoundation: return {SourceKind::Foundation, uint8_t(a.srcPile), top};
    case kReserve: return {SourceKind::Reserve, uint8_t(a.srcPile), 0};
    case kFreeCell: return {SourceKind::Cell, uint8_t(a.srcPile), 0};
    default: return {SourceKind::Tableau, uint8_t(a.srcPile), uint8_t(a.srcPos)};
    }
}

// A drag as the player makes it: the card is picked up with the cards on
// it, released where a card laid on the named pile would lie, and lands
// where the window's drop puts it, which may be another pile under it.
void dragAndDrop(GameContext &ctx, const PlayAction &a)
{
    const Source from = sourceOfAction(ctx, a);
    const int16_t id = sourceCard(ctx, from);
    const Rules rules = currentRules(ctx);
    if (id < 0 || !canPickUp(currentPosition(ctx, rules), rules, from))
        return;
    const int16_t landing = int16_t(ctx.table.GetTop(a.dstCell, a.dstPile) + 1);
    const int32_t left = ctx.games.GetCordX(int16_t(a.dstCell), int16_t(a.dstPile), landing);
    const int32_t top = ctx.games.GetCordY(int16_t(a.dstCell), int16_t(a.dstPile), landing);
    if (const auto move = dropMove(ctx, id, left, top))
        playMove(ctx, *move);
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
        QStringLiteral("^(?:t(\\d{1,2}):(\\d{1,2})|(w)|f(\\d)|c(\\d)|(r))>(t|f|c)(\\d{1,2})$"));
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
    } else if (!m.captured(4).isEmpty()) {
        a.srcCell = kFoundation;
        a.srcPile = m.captured(4).toInt();
        if (a.srcPile >= kFoundationPiles)
            return std::nullopt;
    } else if (!m.captured(5).isEmpty()) {
        a.srcCell = kFreeCell;
        a.srcPile = m.captured(5).toInt();
        if (a.srcPile >= kMaxCells)
            return std::nullopt;
    } else {
        a.srcCell = kReserve;
    }
    const QString to = m.captured(7);
    a.dstCell = to == QLatin1String("t") ? kTableau : to == QLatin1String("f") ? kFoundation : kFreeCell;
    a.dstPile = m.captured(8).toInt();
    const int piles = a.dstCell == kTableau ? kMaxTableauPiles : a.dstCell == kFoundation ? kFoundationPiles : kMaxCells;
    if (a.dstPile >= piles)
        return std::nullopt;
    return a;
}

QString actionText(const Move &m)
{
    if (m.kind != MoveKind::Card)
        return QStringLiteral("stock");
    const Source &s = m.source;
    QString from;
    switch (s.kind) {
    case SourceKind::Tableau: from = QStringLiteral("t%1:%2").arg(s.pile).arg(s.pos); break;
    case SourceKind::Waste: from = QStringLiteral("w"); break;
    case SourceKind::Foundation: from = QStringLiteral("f%1").arg(s.pile); break;
    case SourceKind::Reserve: from = QStringLiteral("r"); break;
    case SourceKind::Cell: from = QStringLiteral("c%1").arg(s.pile); break;
    }
    const QChar to = m.target.kind == TargetKind::Tableau      ? QLatin1Char('t')
                     : m.target.kind == TargetKind::Foundation ? QLatin1Char('f')
                                                               : QLatin1Char('c');
    return from + QLatin1Char('>') + to + QString::number(m.target.pile);
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
