#include "ui/dialogs/frmFinish.h"

#include "common/FormatTime.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/FinishChart.h"
#include "ui/dialogs/frmHighScore.h"
#include "ui/stats/frmGameStat.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace cardova::ui {

frmFinish::frmFinish(GameContext &ctx, std::function<void()> openSelect, QWidget *parent, Outcome outcome)
    : QDialog(parent), ctx_(ctx), openSelect_(std::move(openSelect)), outcome_(outcome)
{
    setObjectName(QStringLiteral("frmFinish"));
    setWindowTitle(outcome_ == Outcome::Won ? QStringLiteral("Congrats") : QStringLiteral("Solved"));
    applyWindowIcon(*this);
    showMessage = informationBox(this, ctx.data.ProdName());
    runModal = [](QDialog &dialog) { dialog.exec(); };
    buildLayout();
    recordWin();
}

void frmFinish::buildLayout()
{
    const cData &d = ctx_.data;
    auto *frame = new QGroupBox(d.CurGName(), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    QFont caption = frame->font();
    caption.setBold(true);
    frame->setFont(caption);
    auto *list = new QListWidget(frame);
    list->setObjectName(QStringLiteral("ListView1"));
    list->addItems({QStringLiteral(" Game : ") + d.CurGNo().toText(),
                    QStringLiteral(" Player : ") + d.CurPlayer(),
                    QStringLiteral(" Time : ") + FormatTime(d.CurTime),
                    QStringLiteral(" Moves : ") + QString::number(d.CurMoves),
                    QStringLiteral(" Score : ") + QString::number(d.CurScore)});
    // The computer won it, so the player did not: the title says which.
    if (outcome_ == Outcome::Solved)
        list->addItem(QStringLiteral(" Status : Lost (solved)"));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setMinimumWidth(200);
    list->setSpacing(3);
    QFont larger = list->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    larger.setBold(false); // only the caption is bold
    list->setFont(larger);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(list);

    QWidget *chart = makeFinishChart(d.CurScore, d.CurMoves, d.CurTime, this);

    auto *body = new QHBoxLayout;
    body->addWidget(frame, 2);
    body->addWidget(chart, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildToolbar());
    layout->addLayout(body, 1);
    resize(640, 340);
}

QAction *frmFinish::addButton(QToolBar *bar, const char *key, const QString &label, int standardIcon)
{
    QAction *action = bar->addAction(style()->standardIcon(QStyle::StandardPixmap(standardIcon)), label);
    action->setObjectName(QString::fromLatin1(key));
    return action;
}

QToolBar *frmFinish::buildToolbar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    connect(addButton(bar, "New", QStringLiteral("New Game"), QStyle::SP_FileIcon),
            &QAction::triggered, this, &frmFinish::newGame);
    connect(addButton(bar, "Select", QStringLiteral("Select Game"), QStyle::SP_DirOpenIcon),
            &QAction::triggered, this, &frmFinish::selectGame);
    connect(addButton(bar, "Restart", QStringLiteral("Restart Game"), QStyle::SP_BrowserReload),
            &QAction::triggered, this, &frmFinish::restartGame);
    connect(addButton(bar, "Statistics", QStringLiteral("Statistics"), QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &frmFinish::statistics);
    connect(addButton(bar, "Highscore", QStringLiteral("High Score"), QStyle::SP_DialogApplyButton),
            &QAction::triggered, this, &frmFinish::highScore);
    connect(addButton(bar, "Close", QStringLiteral("Close"), QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &QDialog::reject);
    return bar;
}

void frmFinish::recordWin()
{
    // The win is recorded here, once, whatever button follows. A game that
    // is no longer marked finished has been recorded already, as a solved
    // one always is.
    if (outcome_ != Outcome::Won || ctx_.phase != GamePhase::Finished)
        return;
    ctx_.PlaySound(SoundEvent::Win);
    EndGame(ctx_, 1);
}

void frmFinish::startGame(const QString &gName, const GameNumber &number)
{
    reject();
    const QString problem = NewGame(ctx_, gName, number);
    if (!problem.isEmpty())
        showMessage(problem);
}

void frmFinish::newGame()
{
    if (!dealRandom) {
        startGame(ctx_.data.LastGName(), RandomGameNo(ctx_));
        return;
    }
    reject();
    dealRandom(ctx_.data.LastGName());
}

void frmFinish::restartGame() { startGame(ctx_.data.CurGName(), ctx_.data.CurGNo()); }

void frmFinish::selectGame()
{
    reject();
    if (openSelect_)
        openSelect_();
}

void frmFinish::statistics()
{
    frmGameStat stats(ctx_, this);
    runModal(stats);
}

void frmFinish::highScore()
{
    frmHighScore board(ctx_, this);
    runModal(board);
}

} // namespace cardova::ui
