#include "ui/windows/CounterStrip.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QCoreApplication>
#include <algorithm>

namespace cardova::ui {

namespace {
// Room between two counters, and between the menus and the strip.
constexpr int kGap = 8;
constexpr int kMargin = 6;
// Digits each counter has room for: a score down to -9999, a time up to
// 9:59:59, up to 9999 moves. Longer values widen their counter.
constexpr int kScoreDigits = 4;
constexpr int kTimeDigits = 5;
constexpr int kMovesDigits = 4;

int widestDigit(const QFontMetrics &fm)
{
    int widest = 0;
    for (char c = '0'; c <= '9'; ++c)
        widest = std::max(widest, fm.horizontalAdvance(QLatin1Char(c)));
    return widest;
}
} // namespace

CounterLayout counterLayout(int room, int countersWidth, int verdictWidth)
{
    if (countersWidth + verdictWidth <= room)
        return {true, true};
    if (countersWidth <= room)
        return {true, false};
    return {false, false};
}

CounterStrip::CounterStrip(QMainWindow &window, QAction &lastMenu, QAction &score, QAction &time, QAction &moves,
                           QAction &verdict)
    : QObject(&window), window_(window), bar_(*window.menuBar()), lastMenu_(lastMenu)
{
    menuBox_ = new QWidget(&bar_);
    menuBox_->setObjectName(QStringLiteral("counterStrip"));
    auto *menuLayout = new QHBoxLayout(menuBox_);
    menuLayout->setContentsMargins(0, 0, kMargin, 0);
    menuLayout->setSpacing(kGap);
    verdict_ = makeLabel("solverStatus", verdict, Qt::AlignRight | Qt::AlignVCenter);
    score_ = makeLabel("scoreCounter", score, Qt::AlignLeft | Qt::AlignVCenter);
    time_ = makeLabel("timeCounter", time, Qt::AlignLeft | Qt::AlignVCenter);
    moves_ = makeLabel("movesCounter", moves, Qt::AlignLeft | Qt::AlignVCenter);
    fill(menuLayout, true, true);
    measure(); // in the menu bar's font
    bar_.setCornerWidget(menuBox_, Qt::TopRightCorner);
    bar_.installEventFilter(this);
    menuBox_->installEventFilter(this);
}

QLabel *CounterStrip::makeLabel(const char *name, QAction &source, Qt::Alignment alignment)
{
    auto *label = new QLabel(source.text());
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(&source, &QAction::changed, label, [this, label, &source] {
        if (label->text() == source.text())
            return;
        label->setText(source.text());
        if (label == verdict_)
            place(); // a longer verdict may no longer fit beside the counters
        updateStatusBar();
    });
    return label;
}

void CounterStrip::measure()
{
    const QFontMetrics fm(score_->font());
    const int digit = widestDigit(fm);
    score_->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Score :-")) + kScoreDigits * digit);
    time_->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Time :::")) + kTimeDigits * digit);
    moves_->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("Moves :")) + kMovesDigits * digit);
}

int CounterStrip::countersWidth() const
{
    int width = 2 * kGap;
    for (const QLabel *label : {score_, time_, moves_})
        width += std::max(label->minimumWidth(), label->sizeHint().width());
    return width;
}

void CounterStrip::fill(QHBoxLayout *box, bool counters, bool verdict)
{
    // The verdict stands left of the counters: a verdict of another length
    // moves no counter.
    if (verdict)
        box->addWidget(verdict_);
    if (counters)
        for (QLabel *label : {score_, time_, moves_})
            box->addWidget(label);
}

void CounterStrip::place()
{
    if (placing_)
        return;
    const QRect menus = bar_.actionGeometry(&lastMenu_);
    const int room = bar_.width() - (menus.isValid() ? menus.right() + 1 : 0) - 2 * kMargin;
    const int verdictWidth = verdict_->text().isEmpty() ? 0 : verdict_->sizeHint().width() + kGap;
    const CounterLayout now = counterLayout(room, countersWidth(), verdictWidth);
    if (now == layout_)
        return;
    placing_ = true;
    layout_ = now;
    if (!statusBox_) {
        statusBox_ = new QWidget;
        statusBox_->setObjectName(QStringLiteral("counterStatus"));
        auto *statusLayout = new QHBoxLayout(statusBox_);
        statusLayout->setContentsMargins(0, 0, 0, 0);
        statusLayout->setSpacing(kGap);
        window_.statusBar()->addPermanentWidget(statusBox_);
    }
    fill(static_cast<QHBoxLayout *>(menuBox_->layout()), now.countersInMenuBar, now.verdictInMenuBar);
    fill(static_cast<QHBoxLayout *>(statusBox_->layout()), !now.countersInMenuBar, !now.verdictInMenuBar);
    for (QLabel *label : {verdict_, score_, time_, moves_})
        label->show();
    menuBox_->setVisible(now.countersInMenuBar || now.verdictInMenuBar);
    relayOutMenuBar();
    updateStatusBar();
    placing_ = false;
}

void CounterStrip::updateStatusBar()
{
    // Asked for before the first message: no status bar yet, nothing to show.
    if (!statusBox_ && !window_.findChild<QStatusBar *>())
        return;
    QStatusBar *bar = window_.statusBar();
    bool strip = false;
    if (statusBox_)
        for (const QLabel *label : statusBox_->findChildren<QLabel *>())
            strip = strip || !label->text().isEmpty();
    bar->setVisible(strip || !bar->currentMessage().isEmpty());
}

void CounterStrip::relayOutMenuBar()
{
    // The menu bar sizes its corner when it lays itself out, which it does
    // on a resize; a corner whose content changed width must ask for one.
    QResizeEvent same(bar_.size(), bar_.size());
    QCoreApplication::sendEvent(&bar_, &same);
}

bool CounterStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &bar_ && event->type() == QEvent::Resize && !placing_)
        place();
    if (watched == menuBox_ && event->type() == QEvent::LayoutRequest && !placing_ &&
        menuBox_->sizeHint() != menuBox_->size()) {
        placing_ = true;
        relayOutMenuBar();
        placing_ = false;
    }
    if (watched == menuBox_ && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
        measure();
        place();
    }
    return false;
}

} // namespace cardova::ui
