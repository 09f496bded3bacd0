// The hint on the table: outlines like the keyboard cursor's, in green, on
// the cards to move and on the pile that takes them.
#include "ui/windows/TableView.h"

#include "session/GameContext.h"
#include "session/MoveDriver.h"

#include <QPainter>

namespace cardova::ui {

namespace {
const QColor kHintColour(90, 235, 120);
}

void TableView::showHint(const Move &move)
{
    hint_ = move;
    hintTimer_.start();
    update();
}

void TableView::clearHint()
{
    if (!hint_)
        return;
    hint_.reset();
    hintTimer_.stop();
    update();
}

QRectF TableView::hintSourceRect() const
{
    const int16_t first = sourceCard(ctx_, hint_->source);
    if (first < 0)
        return {};
    const cCard &c = ctx_.cards[size_t(first)];
    QRectF r = cardRect(c.Left, c.Top);
    // A run of the tableau goes along with its lowest card.
    if (hint_->source.kind == SourceKind::Tableau) {
        const int16_t top = ctx_.table.GetTopPicID(kTableau, hint_->source.pile);
        if (top >= 0)
            r = r.united(cardRect(ctx_.cards[size_t(top)].Left, ctx_.cards[size_t(top)].Top));
    }
    return r;
}

QRectF TableView::hintTargetRect() const
{
    const int16_t cell = cellOfTarget(hint_->target);
    const int16_t pile = hint_->target.pile;
    const int16_t top = ctx_.table.GetTopPicID(cell, pile);
    if (top >= 0)
        return cardRect(ctx_.cards[size_t(top)].Left, ctx_.cards[size_t(top)].Top);
    return cardRect(ctx_.games.GetCordX(cell, pile, 0), ctx_.games.PileBaseY(cell, pile));
}

void TableView::paintHint(QPainter &p) const
{
    if (!hint_ || hint_->kind != MoveKind::Card || !ctx_.GameRunning())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (const QRectF &r : {hintSourceRect(), hintTargetRect()}) {
        if (r.isNull())
            continue;
        p.setPen(QPen(QColor(0, 0, 0, 170), 6));
        p.drawRoundedRect(r.adjusted(-4, -4, 4, 4), 6, 6);
        p.setPen(QPen(kHintColour, 3));
        p.drawRoundedRect(r.adjusted(-4, -4, 4, 4), 6, 6);
    }
    p.restore();
}

} // namespace cardova::ui
