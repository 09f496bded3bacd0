#include "ui/stats/frmSesStat.h"

#include "common/FormatTime.h"
#include "session/GameContext.h"
#include "ui/stats/StatCharts.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/WindowMemory.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
const QColor kRunning(120, 0, 0);

void paintRunning(QTreeWidgetItem *item)
{
    for (int c = 0; c < item->columnCount(); ++c)
        item->setForeground(c, kRunning);
}

QString shownTime(const QDateTime &when)
{
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString();
}
} // namespace

frmSesStat::frmSesStat(GameContext &ctx, QWidget *parent) : QDialog(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmSesStat"));
    setWindowTitle(QStringLiteral("Session Statistics"));
    setWindowIcon(applicationIcon());
    auto *tabs = new QTabWidget(this);
    tabs->addTab(buildSummary(), QStringLiteral("Summary"));
    tabs->addTab(buildDetails(), QStringLiteral("Session Details"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    tabs->setCurrentIndex(0);
    fill();
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &frmSesStat::tick);
    Timer1.start();
    resize(720, 480);
    rememberGeometry(*this, ctx_.data);
}

QWidget *frmSesStat::buildSummary()
{
    auto *page = new QWidget(this);
    auto *session = new QGroupBox(QStringLiteral("This Session"), page);
    auto *sesLayout = new QVBoxLayout(session);
    for (QLabel **l : {&lblSesStarted_, &lblSesPlayed_, &lblSesWon_, &lblSesLost_, &lblsesScore_, &lblSesMoves_,
                       &lblSesElapsedTime_})
        sesLayout->addWidget(*l = new QLabel(session));
    lblSesStarted_->setObjectName(QStringLiteral("lblSesStarted"));
    lblSesPlayed_->setObjectName(QStringLiteral("lblSesPlayed"));
    lblSesWon_->setObjectName(QStringLiteral("lblSesWon"));
    lblSesLost_->setObjectName(QStringLiteral("lblSesLost"));
    lblsesScore_->setObjectName(QStringLiteral("lblsesScore"));
    lblSesMoves_->setObjectName(QStringLiteral("lblSesMoves"));
    lblSesElapsedTime_->setObjectName(QStringLiteral("lblSesElapsedTime"));
    auto *game = new QGroupBox(QStringLiteral("This Game"), page);
    auto *gameLayout = new QVBoxLayout(game);
    for (QLabel **l : {&lblGameStarted_, &lblGameName_, &lblGameNo_, &lblGameScore_, &lblGameMoves_, &lblGameTime_,
                       &lblPlayer_})
        gameLayout->addWidget(*l = new QLabel(game));
    lblGameStarted_->setObjectName(QStringLiteral("lblGameStarted"));
    lblGameName_->setObjectName(QStringLiteral("lblGameName"));
    lblGameNo_->setObjectName(QStringLiteral("lblGameNo"));
    lblGameScore_->setObjectName(QStringLiteral("lblGameScore"));
    lblGameMoves_->setObjectName(QStringLiteral("lblGameMoves"));
    lblGameTime_->setObjectName(QStringLiteral("lblGameTime"));
    lblPlayer_->setObjectName(QStringLiteral("lblPlayer"));
    chSummary_ = makeStatChart(QStringLiteral("chSummary"), page);
    lvSession_ = makeReportList(QStringLiteral("lvSession"),
                            {QStringLiteral("Game"), QStringLiteral("Game No"), QStringLiteral("Player"),
                             QStringLiteral("Time"), QStringLiteral("Moves"), QStringLiteral("Status"),
                             QStringLiteral("Score")},
                            page);
    auto *top = new QHBoxLayout;
    top->addWidget(session);
    top->addWidget(game);
    top->addWidget(chSummary_, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(lvSession_, 1);
    return page;
}

QWidget *frmSesStat::buildDetails()
{
    auto *page = new QWidget(this);
    lvSesChart_ = makeReportList(QStringLiteral("lvSesChart"),
                             {QStringLiteral("No."), QStringLiteral("Time"), QStringLiteral("Moves"),
                              QStringLiteral("Score")},
                             page);
    chChart_ = makeStatChart(QStringLiteral("chChart"), page);
    auto *refresh = new QPushButton(QStringLiteral("Refresh Chart"), page);
    refresh->setObjectName(QStringLiteral("cmdRefresh"));
    connect(refresh, &QPushButton::clicked, this, &frmSesStat::refreshChart);
    auto *right = new QVBoxLayout;
    right->addWidget(chChart_, 1);
    right->addWidget(refresh, 0, Qt::AlignRight);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(lvSesChart_, 2);
    layout->addLayout(right, 3);
    return page;
}

void frmSesStat::fill()
{
    const cData &d = ctx_.data;
    const StatSum s = ctx_.scores.SumSession();
    const int16_t games = ctx_.scores.SesTop();
    lblSesStarted_->setText(QStringLiteral("Started : ") + shownTime(d.SesStartTime));
    lblSesPlayed_->setText(QStringLiteral("Games Played : %1").arg(games));
    lblSesWon_->setText(QStringLiteral("Games Won : %1").arg(s.Won));
    lblSesLost_->setText(QStringLiteral("Games Lost : %1").arg(s.Lost));
    lblsesScore_->setText(QStringLiteral("Total Score : %1").arg(s.Score));
    lblSesMoves_->setText(QStringLiteral("Total Moves : %1").arg(s.Moves));
    tick();

    ChartTable records{{QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")}, {}, {}};
    for (int i = 1; i <= games; ++i) {
        const ScoreRec r = ctx_.scores.GetSesRec(i);
        new QTreeWidgetItem(lvSession_, {r.GName, r.GNo.toText(), r.Player, FormatTime(r.Time),
                                         QString::number(r.Moves), r.Won == 1 ? QStringLiteral("Won") : QStringLiteral("Lost"),
                                         QString::number(r.Score)});
        new QTreeWidgetItem(lvSesChart_, {QString::number(i), FormatTime(r.Time), QString::number(r.Moves),
                                          QString::number(r.Score)});
        records.rows << QString::number(i);
        records.values << QList<double>{double(r.Score), double(r.Moves), double(r.Time)};
    }
    setChartTable(chSummary_, {{QStringLiteral("Won : %1").arg(s.Won), QStringLiteral("Lost : %1").arg(s.Lost)},
                               {QString()},
                               {{double(s.Won), double(s.Lost)}}});
    records.rows << QString::number(games + 1);
    records.values << QList<double>{};
    if (ctx_.GameRunning()) {
        runningRow_ = new QTreeWidgetItem(lvSession_, {d.CurGName(), d.CurGNo().toText(), d.CurPlayer(),
                                                       FormatTime(d.CurTime), QString::number(d.CurMoves),
                                                       QStringLiteral("Running"), QString::number(d.CurScore)});
        paintRunning(runningRow_);
        lvSession_->scrollToItem(runningRow_);
        runningChartRow_ = new QTreeWidgetItem(lvSesChart_, {QString::number(games + 1), FormatTime(d.CurTime),
                                                             QString::number(d.CurMoves), QString::number(d.CurScore)});
        paintRunning(runningChartRow_);
        lvSesChart_->scrollToItem(runningChartRow_);
        records.values.last() = {double(d.CurScore), double(d.CurMoves), double(d.CurTime)};
    }
    setChartTable(chChart_, records);

    lblGameStarted_->setText(QStringLiteral("Game Started : ") + shownTime(d.GameStartTime));
    lblGameName_->setText(QStringLiteral("Game : ") + d.CurGName());
    lblGameNo_->setText(QStringLiteral("Game Number : ") + d.CurGNo().toText());
    lblGameMoves_->setText(QStringLiteral("Moves : %1").arg(d.CurMoves));
    lblPlayer_->setText(QStringLiteral("Player Name : ") + d.CurPlayer());
}

void frmSesStat::tick()
{
    const cData &d = ctx_.data;
    const qint64 elapsed = d.SesStartTime.isValid() ? std::max<qint64>(0, d.SesStartTime.secsTo(ctx_.now())) : 0;
    lblSesElapsedTime_->setText(QStringLiteral("Time Elapsed : ") + FormatTime(elapsed));
    lblGameScore_->setText(QStringLiteral("Score : %1").arg(d.CurScore));
    lblGameTime_->setText(QStringLiteral("Time Elapsed : ") + FormatTime(d.CurTime));
    if (!ctx_.GameRunning())
        return;
    if (runningRow_) {
        runningRow_->setText(3, FormatTime(d.CurTime));
        runningRow_->setText(6, QString::number(d.CurScore));
    }
    if (runningChartRow_) {
        runningChartRow_->setText(1, FormatTime(d.CurTime));
        runningChartRow_->setText(3, QString::number(d.CurScore));
    }
}

void frmSesStat::refreshChart()
{
    const cData &d = ctx_.data;
    if (!ctx_.GameRunning())
        return;
    ChartTable records{{QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")}, {}, {}};
    const int16_t games = ctx_.scores.SesTop();
    for (int i = 1; i <= games; ++i) {
        const ScoreRec r = ctx_.scores.GetSesRec(i);
        records.rows << QString::number(i);
        records.values << QList<double>{double(r.Score), double(r.Moves), double(r.Time)};
    }
    records.rows << QString::number(games + 1);
    records.values << QList<double>{double(d.CurScore), double(d.CurMoves), double(d.CurTime)};
    setChartTable(chChart_, records);
}

} // namespace cardova::ui
