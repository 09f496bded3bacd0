#include "ui/windows/TableView.h"

#include "session/Input.h"
#include "session/MoveDriver.h"
#include "session/GameContext.h"
#include "rules/TableFit.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/CardFaces.h"
#include "ui/windows/TableAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <cmath>

namespace cardova::ui {

namespace {
constexpr double kPx = 1.0 / kTwipsPerPixel;
const QColor kBeyondTable(16, 20, 16);

} // namespace

TableView::TableView(GameContext &ctx, Appearance &appearance, QWidget *parent)
    : QWidget(parent), ctx_(ctx), art_(appearance), layout_(ctx.games, ctx.table), keys_(ctx)
{
    setObjectName(QStringLiteral("PicMain"));
    attachTableAccessibility(*this, ctx_);
    setAccessibleName(QStringLiteral("Table"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setMinimumSize(320, 240);
    frameClock_.start();
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMs);
    connect(&hintTimer_, &QTimer::timeout, this, [this] { clearHint(); });
}

void TableView::CreateSprites()
{
    // The back is drawn when a face-down card first shows, at the size the
    // table has then: a table with no game needs no picture at all.
    backScale_ = 0;
}

void TableView::ApplyDeckBack()
{
    backScale_ = 0;
    update();
}

void TableView::syncBacks()
{
    if (backScale_ == spriteScale_)
        return;
    const bool needed = std::any_of(ctx_.cards.begin(), ctx_.cards.end(),
                                    [](const cCard &c) { return c.Visible && c.FaceMode != kFaceUp; });
    if (!needed)
        return;
    art_.ApplyDeckBack(PicCards, zoom_);
    backScale_ = spriteScale_;
}

void TableView::refreshBackground()
{
    update();
}

double TableView::crispZoom(double zoom) const
{
    const double pixelsAcross = kCardWidthPx * devicePixelRatioF();
    return std::max(std::floor(zoom * pixelsAcross), std::ceil(kMinZoom * pixelsAcross)) / pixelsAcross;
}

void TableView::ArrangeTable()
{
    ++arrangements;
    const double innerTwips = width() * double(kTwipsPerPixel);
    backLeftPx_ = ((innerTwips - kBackWidth) / 2.0 - 20.0) * kPx;
    if (ctx_.data.FitTable() != 0) {
        const double w = innerTwips, h = height() * double(kTwipsPerPixel);
        const double zoom = crispZoom(fitTable(ctx_.games, w, h, &ctx_.table).zoom);
        const TableFit fit = centreTable(ctx_.games, zoom, w, h);
        zoom_ = fit.zoom;
        origin_ = QPointF(fit.originX, fit.originY) * (zoom_ * kPx);
        layout_.setTableauBottom(fit.tableauBottom);
    } else {
        zoom_ = 1.0;
        origin_ = QPointF(backLeftPx_, 0);
        layout_.setTableauBottom(0);
    }
    // A card in the hand stays where the mouse has it; its pile follows
    // when it is let go.
    if (!ctx_.input.Dragging)
        ctx_.table.LayOutTableau();
    update();
}

void TableView::rescaleSprites()
{
    art_.setDevicePixelRatio(devicePixelRatioF());
    spriteScale_ = zoom_ * devicePixelRatioF();
    QList<int> faces, marks;
    for (const cCard &c : ctx_.cards)
        if (c.Visible && c.FaceMode == kFaceUp)
            faces.append(c.FacePicture());
    const auto shownMarks = [&marks](const auto &markers) {
        for (const PileMarker &m : markers)
            if (m.Visible)
                marks.append(m.Picture);
    };
    shownMarks(ctx_.markers.Home);
    shownMarks(ctx_.markers.Right);
    shownMarks(ctx_.markers.Res);
    shownMarks(ctx_.markers.Cells);
    shownMarks(std::array{ctx_.markers.Waste, ctx_.markers.Stock});
    art_.prepare(faces, marks, zoom_);
    for (VelCard &card : PicCards)
        card.faceId = 0;
    const auto redraw = [](auto &marks) {
        for (VelEmpty &mark : marks)
            mark.pictureId = -1;
    };
    redraw(PicHome);
    redraw(PicRes);
    redraw(PicRight);
    redraw(cellMarks);
    PicWaste.pictureId = PicStock.pictureId = -1;
}

void TableView::resizeEvent(QResizeEvent *)
{
    ArrangeTable();
}

QPointF TableView::toTable(const QPointF &p) const
{
    return (p - origin_) * (kTwipsPerPixel / zoom_);
}

QPointF TableView::toWidget(double tx, double ty) const
{
    return origin_ + QPointF(tx, ty) * (zoom_ * kPx);
}

QRectF TableView::cardRect(double left, double top) const
{
    const QPointF topLeft = toWidget(left, top);
    return {topLeft, QSizeF(kCardWidth, kCardHeight) * (zoom_ * kPx)};
}

int16_t TableView::cardAt(const QPointF &widgetPos) const
{
    int16_t best = -1;
    int64_t bestZ = INT64_MIN;
    for (int i = 0; i < kDeckSize; ++i) {
        const cCard &c = ctx_.cards[size_t(i)];
        if (c.Visible && c.Z > bestZ && cardRect(c.Left, c.Top).contains(widgetPos)) {
            best = int16_t(i);
            bestZ = c.Z;
        }
    }
    return best;
}

bool TableView::stockMarkerHit(const QPointF &widgetPos) const
{
    if (!ctx_.markers.Stock.Visible)
        return false;
    const QRectF r = cardRect(ctx_.games.GetCordX(kStock, 0, 0), ctx_.games.PileBaseY(kStock, 0));
    return r.contains(widgetPos);
}

void TableView::syncFaces()
{
    for (int i = 0; i < kDeckSize; ++i) {
        const cCard &c = ctx_.cards[size_t(i)];
        VelCard &sprite = PicCards[size_t(i)];
        // A face-down card gets its face when it turns up: a new zoom then
        // draws only the faces in sight.
        if (c.Visible && c.FaceMode == kFaceUp && sprite.faceId != c.FacePicture()) {
            sprite.MainPic(art_.MainPic(c.FacePicture(), zoom_));
            sprite.faceId = c.FacePicture();
        }
    }
}

void TableView::paintMarker(QPainter &p, VelEmpty &sprite, const PileMarker &mark, int cell, int pile)
{
    if (!mark.Visible)
        return;
    if (sprite.pictureId != mark.Picture) {
        sprite.Pic(art_.RightPic(mark.Picture, zoom_));
        sprite.pictureId = mark.Picture;
    }
    p.drawPixmap(cardRect(ctx_.games.GetCordX(cell, pile, 0), ctx_.games.PileBaseY(cell, pile)).topLeft(),
                 sprite.picture());
}

void TableView::paintBackground(QPainter &p, const QRect &dirty)
{
    // Fitted, the table fills the widget; at the fixed size it has its own
    // edges, with dark beyond them. Painted afresh where needed: a kept
    // picture of it would hold a window's worth of memory.
    const bool fitted = ctx_.data.FitTable() != 0;
    const QRect back = fitted ? rect()
                              : QRect(QPointF(backLeftPx_, 0).toPoint(),
                                      QSize(kBackWidth / kTwipsPerPixel, kBackHeight / kTwipsPerPixel));
    if (!fitted)
        p.fillRect(dirty, kBeyondTable);
    art_.paintTableBackground(p, back, dirty, zoom_);
}

void TableView::paintEvent(QPaintEvent *event)
{
    if (spriteScale_ != zoom_ * devicePixelRatioF())
        rescaleSprites(); // a new zoom, or the window went to another screen
    QPainter p(this);
    paintBackground(p, event->rect());

    for (int pile = 0; pile < 11; ++pile)
        paintMarker(p, PicHome[size_t(pile)], ctx_.markers.Home[pile], kTableau, pile);
    for (int pile = 0; pile < 5; ++pile)
        paintMarker(p, PicRight[size_t(pile)], ctx_.markers.Right[pile], kFoundation, pile);
    for (int pile = 0; pile < kMaxReservePiles; ++pile)
        paintMarker(p, PicRes[size_t(pile)], ctx_.markers.Res[pile], kReserve, pile);
    for (int cell = 0; cell < kMaxCells; ++cell)
        paintMarker(p, cellMarks[size_t(cell)], ctx_.markers.Cells[cell], kFreeCell, cell);
    paintMarker(p, PicWaste, ctx_.markers.Waste, kWaste, 0);
    paintMarker(p, PicStock, ctx_.markers.Stock, kStock, 0);

    syncFaces();
    syncBacks();
    std::array<int16_t, kDeckSize> order{};
    int n = 0;
    for (int i = 0; i < kDeckSize; ++i)
        if (ctx_.cards[size_t(i)].Visible)
            order[size_t(n++)] = int16_t(i);
    std::sort(order.begin(), order.begin() + n,
              [this](int16_t a, int16_t b) { return ctx_.cards[size_t(a)].Z < ctx_.cards[size_t(b)].Z; });
    const QRectF dirty = event->rect();
    for (int k = 0; k < n; ++k) {
        const cCard &c = ctx_.cards[size_t(order[size_t(k)])];
        const QRectF r = cardRect(c.Left, c.Top);
        if (r.intersects(dirty))
            p.drawPixmap(r.topLeft(), PicCards[size_t(order[size_t(k)])].picture(c));
    }
    paintHint(p);
    paintKeyboard(p);
}

void TableView::repaintNow()
{
    ++repaints;
    repaint();
    // Each step stays on screen for about one frame; the move is synchronous.
    if (frameMs_ > 0) {
        const qint64 left = frameMs_ - frameClock_.elapsed();
        if (left > 0)
            QThread::msleep(static_cast<unsigned long>(left));
    }
    frameClock_.restart();
}

void TableView::letEventsRun()
{
    update();
    // Input waits: a click in the middle of a deal must not start anything.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TableView::tableChanged()
{
    // Whatever moved, a hint shown before points at the old table.
    clearHint();
    // Another game has other piles; a pile that grew may need its fan
    // closed up. A card the mouse drags moves no card from its pile, so the
    // room the piles need stays as it was: only the picture changes.
    if (ctx_.input.Dragging)
        update();
    else
        ArrangeTable();
    Q_EMIT settled();
}

bool TableView::event(QEvent *event)
{
    // On a screen of another pixel density the crisp zoom is another one.
    if (event->type() == QEvent::ScreenChangeInternal)
        ArrangeTable();
    // A modal dialog that opens while a card is held takes the release with
    // it: the card goes back at once instead of hanging where it was dragged.
    if (event->type() == QEvent::WindowDeactivate && ctx_.input.Dragging) {
        CancelDrag(ctx_);
        pressed_ = -1;
    }
    return QWidget::event(event);
}

void TableView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A press while a card still counts as held means its release went
    // elsewhere: let go of that card before picking another.
    CancelDrag(ctx_);
    if (keys_.visible()) {
        keys_.hide(); // the mouse is in use: the keyboard cursor goes
        update();
    }
    const QPointF pos = event->position();
    pressed_ = cardAt(pos);
    if (pressed_ < 0) {
        if (stockMarkerHit(pos))
            StockMarkerClick(ctx_);
        return;
    }
    const cCard &c = ctx_.cards[size_t(pressed_)];
    const QPointF t = toTable(pos);
    CardMouseDown(ctx_, pressed_, t.x() - c.Left, t.y() - c.Top);
}

void TableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click has no action of its own: its second press is a press
    // like any other, so two quick clicks on the stock turn two cards.
    mousePressEvent(event);
}

void TableView::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_ < 0 || !ctx_.input.Dragging)
        return;
    const cCard &c = ctx_.cards[size_t(pressed_)];
    const QPointF t = toTable(event->position());
    CardMouseMove(ctx_, pressed_, t.x() - c.Left, t.y() - c.Top);
}

void TableView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || pressed_ < 0)
        return;
    const int16_t card = pressed_;
    pressed_ = -1;
    CardMouseUp(ctx_, card);
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    // Keys wait while the mouse holds a card, and mean nothing with no game.
    if (ctx_.input.Dragging || !ctx_.GameRunning()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: keys_.left(); break;
    case Qt::Key_Right: keys_.right(); break;
    case Qt::Key_Up: keys_.up(); break;
    case Qt::Key_Down: keys_.down(); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: keys_.select(); break;
    case Qt::Key_Escape: keys_.cancel(); break;
    case Qt::Key_S: keys_.turnStock(); break;
    case Qt::Key_F: keys_.sendHome(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    announceCursor();
    update();
}

QRectF TableView::cursorRect() const
{
    const KeyboardPlay::Cursor c = keys_.cursor();
    const int16_t id = keys_.cardUnderCursor();
    if (id >= 0) {
        const cCard &card = ctx_.cards[size_t(id)];
        return cardRect(card.Left, card.Top);
    }
    const int cell = cellOf(c.spot);
    return cardRect(ctx_.games.GetCordX(cell, c.pile, 0), ctx_.games.PileBaseY(cell, c.pile));
}

QRectF TableView::heldRect() const
{
    const auto held = keys_.held();
    if (!held)
        return {};
    const int16_t first = sourceCard(ctx_, *held);
    if (first < 0)
        return {};
    const cCard &c = ctx_.cards[size_t(first)];
    QRectF r = cardRect(c.Left, c.Top);
    if (held->kind == SourceKind::Tableau) {
        const int16_t top = ctx_.table.GetTopPicID(kTableau, held->pile);
        if (top >= 0)
            r = r.united(cardRect(ctx_.cards[size_t(top)].Left, ctx_.cards[size_t(top)].Top));
    }
    return r;
}

void TableView::paintKeyboard(QPainter &p) const
{
    if (!keys_.visible() || !ctx_.GameRunning())
        return;
    // A dark band under a light line reads on every background and card.
    auto outline = [&p](const QRectF &r, const QColor &light) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 170), 5));
        p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 6, 6);
        p.setPen(QPen(light, 2.5));
        p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 6, 6);
    };
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF held = heldRect();
    if (!held.isNull())
        outline(held, QColor(80, 200, 255));
    outline(cursorRect(), QColor(255, 214, 0));
}

void TableView::announceCursor()
{
    announceKeyboardCursor(*this); // the card under the cursor takes the focus
    const QString text = keys_.describe();
    if (accessibleDescription() == text)
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace cardova::ui
