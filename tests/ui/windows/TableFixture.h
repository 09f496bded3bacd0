#pragma once
// A main window with a game of Klondike on its table, and the mouse of a
// player: presses, drags and clicks in widget pixels sent to the table.
#include "WindowFixture.h"
#include "WinningDeal.h"

#include "cli/PlayActions.h"
#include "session/GameContext.h"
#include "ui/dialogs/FinishWinHandler.h"
#include "ui/dialogs/frmFinish.h"

#include <QApplication>
#include <QMouseEvent>

namespace cardova::test {

class TableFixture : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        ctx->data.SetAutoplay(0);
        window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1));
        window->show();
        view = window->table();
    }
    void mouse(QEvent::Type type, QPointF pos)
    {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, view->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    // The widget point 10 pixels inside a card's corner, and inside a slot's.
    QPointF onCard(int16_t id) const
    {
        const cCard &c = ctx->cards[size_t(id)];
        return view->toWidget(c.Left, c.Top) + QPointF(10, 10);
    }
    QPointF onSlot(int cell, int pile, int pos) const
    {
        return view->toWidget(view->layout().slotX(int16_t(cell), int16_t(pile), int16_t(pos)),
                              view->layout().slotY(int16_t(cell), int16_t(pile), int16_t(pos))) +
               QPointF(10, 10);
    }
    // Presses a card and drags it (with whatever rides on it) over a slot,
    // keeping the button down.
    void pressAndDrag(int16_t id, int cell, int pile, int pos, int steps = 5)
    {
        const QPointF start = onCard(id);
        const QPointF end = onSlot(cell, pile, pos);
        mouse(QEvent::MouseButtonPress, start);
        for (int i = 1; i <= steps; ++i)
            mouse(QEvent::MouseMove, start + (end - start) * (double(i) / steps));
    }
    // Presses a card, drags its corner to a table slot and releases it.
    void dragCard(int16_t id, int cell, int pile, int pos, int steps = 5)
    {
        pressAndDrag(id, cell, pile, pos, steps);
        mouse(QEvent::MouseButtonRelease, onSlot(cell, pile, pos));
    }
    QPointF onStock() const
    {
        return view->toWidget(ctx->games.GetCordX(kStock, 0, 0), ctx->games.PileBaseY(kStock, 0)) + QPointF(20, 20);
    }
    void clickStock()
    {
        mouse(QEvent::MouseButtonPress, onStock());
        mouse(QEvent::MouseButtonRelease, onStock());
    }
    // Plays one "stock" or "SRC>DST" action of the command-line driver with
    // the mouse; false when the text is not such an action.
    bool playByMouse(const QString &text)
    {
        const auto a = parsePlayAction(text);
        if (!a || (a->kind != PlayAction::Kind::Stock && a->kind != PlayAction::Kind::Drag))
            return false;
        if (a->kind == PlayAction::Kind::Stock) {
            clickStock();
            return true;
        }
        const int16_t id = a->srcCell == kTableau ? ctx->table.GetPicID(kTableau, a->srcPile, a->srcPos)
                                                  : topId(*ctx, a->srcCell, a->srcPile);
        if (id < 0)
            return false;
        dragCard(id, a->dstCell, a->dstPile, ctx->table.GetTop(a->dstCell, a->dstPile) + 1, 3);
        return true;
    }
    // The finished-game dialog closes at once when it opens; returns the
    // handler, which counts its openings.
    ui::FinishWinHandler *closeFinishAtOnce()
    {
        auto handler = std::make_unique<ui::FinishWinHandler>(window.get(), [] {});
        ui::FinishWinHandler *finish = handler.get();
        finish->runDialog = [](ui::frmFinish &dialog) { dialog.findChild<QAction *>(QStringLiteral("Close"))->trigger(); };
        window->setWinHandler(std::move(handler));
        return finish;
    }
    static QStringList winningActions()
    {
        return QString::fromLatin1(kWinningActions).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    ui::TableView *view = nullptr;
};

} // namespace cardova::test
