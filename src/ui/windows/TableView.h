#pragma once
// The table: background, pile placeholders and the 52 card sprites, drawn in
// stacking order at the screen's pixel ratio. It is the engine's surface
// (each animation step repaints and waits about one frame) and forwards the
// mouse to the engine's input routines in table units, and the keys to
// keyboard play.
#include "engine/Interfaces.h"
#include "rules/TableLayout.h"
#include "session/KeyboardPlay.h"
#include "ui/windows/Sprites.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class Appearance;

// Table units (twips) per screen pixel.
constexpr int kTwipsPerPixel = 15;
// The fixed background of the table, in table units.
constexpr int kBackWidth = 15480;
constexpr int kBackHeight = 11205;

class TableView : public QWidget, public TableSurface {
    Q_OBJECT
public:
    TableView(GameContext &ctx, Appearance &appearance, QWidget *parent = nullptr);

    // TableSurface
    void repaintNow() override;
    void letEventsRun() override;
    void tableChanged() override;

    // Milliseconds an animation step lasts; 0 shows steps without waiting.
    void setFrameInterval(int ms) { frameMs_ = ms; }

    void CreateSprites();
    // Zooms the table to fill the widget, centred ("Fit table to window"),
    // or places the fixed-size background across the width (negative left
    // when narrow); then lays the tableau out for the room it has.
    void ArrangeTable();
    // Where the cards lie in this view: the game's slots with the tableau
    // fanned to the room the window leaves. The window hands it to the table.
    const TableLayout &layout() const { return layout_; }

    // New deck back or background settings: drop the pictures made for them.
    void ApplyDeckBack();
    void refreshBackground();

    // Left edge of the background in pixels (PicBack's left).
    double backLeft() const { return backLeftPx_; }
    // Logical pixels per 15 table units: 1 at the fixed size.
    double zoom() const { return zoom_; }
    // Table units of a widget point, and the widget point of table units:
    // the one place where the zoom and the table's place are applied.
    QPointF toTable(const QPointF &widgetPos) const;
    QPointF toWidget(double tx, double ty) const;
    // The topmost visible card under a widget point, or -1.
    int16_t cardAt(const QPointF &widgetPos) const;

    // Play by keyboard: the cursor and the card it holds.
    KeyboardPlay &keyboard() { return keys_; }

    std::array<VelCard, kDeckSize> PicCards;
    std::array<VelEmpty, 11> PicHome;
    std::array<VelEmpty, 5> PicRes;
    std::array<VelEmpty, 5> PicRight;
    std::array<VelEmpty, kMaxCells> cellMarks; // the free cells' placeholders
    VelEmpty PicWaste;
    VelEmpty PicStock;

    int repaints = 0;    // animation steps shown
    int arrangements = 0; // runs of ArrangeTable

    // Outlines the card a hint moves and the pile it goes to for a while.
    void showHint(const Move &move);
    void clearHint();
    const std::optional<Move> &hint() const { return hint_; }
    // How long a hint stays on the table.
    static constexpr int kHintMs = 1200;

Q_SIGNALS:
    // An action has ended: the table shows the state it settled in.
    void settled();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintMarker(QPainter &p, VelEmpty &sprite, const PileMarker &mark, int cell, int pile);
    void paintBackground(QPainter &p, const QRect &dirty);
    void syncFaces();
    // Gives the sprites the deck back at the current size once a face-down
    // card is on the table.
    void syncBacks();
    // The zoom with whole device pixels across a card, so edges stay sharp.
    double crispZoom(double zoom) const;
    // Gives the sprites pictures drawn for the current zoom and pixel ratio.
    void rescaleSprites();
    QRectF cardRect(double left, double top) const;
    bool stockMarkerHit(const QPointF &widgetPos) const;
    // The rectangle the keyboard cursor outlines, and the held cards'.
    QRectF cursorRect() const;
    QRectF heldRect() const;
    void paintKeyboard(QPainter &p) const;
    // The hint's outlines: the cards it moves and where they go.
    QRectF hintSourceRect() const;
    QRectF hintTargetRect() const;
    void paintHint(QPainter &p) const;
    // Tells a screen reader what the cursor stands on.
    void announceCursor();

    GameContext &ctx_;
    Appearance &art_;
    TableLayout layout_;
    double backLeftPx_ = 0;
    double zoom_ = 1.0;
    QPointF origin_;          // widget point of table point (0, 0)
    double spriteScale_ = 0;  // device pixels per design pixel of the sprites' pictures
    double backScale_ = 0;    // the same for the back they hold; 0 before any
    int frameMs_ = 16;
    QElapsedTimer frameClock_;
    int16_t pressed_ = -1; // the card the mouse went down on
    KeyboardPlay keys_;
    std::optional<Move> hint_;
    QTimer hintTimer_;
};

} // namespace cardova::ui
