#pragma once
// The counters (score, time, moves) and the solver's verdict beside them.
// Their captions live in the window's actions mScore, mTime, mMoves and
// mSolver; the strip shows them as labels of a width that does not change
// with the value, so a counter never pushes its neighbours aside. They sit
// at the right end of the menu bar while it has room beside the menus; in a
// narrow window the verdict, and then the counters, go to the status bar.
#include <QObject>
#include <QPointer>

class QAction;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace cardova::ui {

// Where each part of the strip goes, given the room the menu bar has to the
// right of its menus and the width each part needs.
struct CounterLayout {
    bool countersInMenuBar = true;
    bool verdictInMenuBar = true;
    bool operator==(const CounterLayout &) const = default;
};
CounterLayout counterLayout(int room, int countersWidth, int verdictWidth);

class CounterStrip : public QObject {
    Q_OBJECT
public:
    // lastMenu is the menu bar's last menu: the strip keeps right of it.
    CounterStrip(QMainWindow &window, QAction &lastMenu, QAction &score, QAction &time, QAction &moves,
                 QAction &verdict);

    // Puts the parts where they fit now; called whenever the menu bar's
    // width or a caption's width can have changed.
    void place();
    // Shows or hides the status bar: it shows while it has a message or a
    // part of the strip with something to say.
    void updateStatusBar();

    CounterLayout layout() const { return layout_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *makeLabel(const char *name, QAction &source, Qt::Alignment alignment);
    // Fixed widths from the font: the widest text each counter shows in
    // ordinary play.
    void measure();
    int countersWidth() const;
    void fill(QHBoxLayout *box, bool counters, bool verdict);
    void relayOutMenuBar();

    QMainWindow &window_;
    QMenuBar &bar_;
    QAction &lastMenu_;
    QWidget *menuBox_;
    QWidget *statusBox_ = nullptr;
    QLabel *score_;
    QLabel *time_;
    QLabel *moves_;
    QLabel *verdict_;
    int verdictWidth_ = 0; // the widest verdict shown so far
    CounterLayout layout_;
    bool placing_ = false;
};

} // namespace cardova::ui
