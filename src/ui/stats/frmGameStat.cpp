#include "ui/stats/frmGameStat.h"

#include "common/FormatTime.h"
#include "scores/DateText.h"
#include "session/GameContext.h"
#include "ui/stats/StatCharts.h"
#include "ui/stats/StatTexts.h"
#include "ui/stats/UnreadableNote.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/WindowMemory.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace cardova::ui {

namespace {
struct Period {
    const char *key;
    const char *text;
    const char *interval;
    int earlier;
    const char *column;
};
const Period kPeriods[] = {{"5d", "Last 5 Days", "d", 4, "Day"},       {"10d", "Last 10 Days", "d", 9, "Day"},
                           {"30d", "Last 30 Days", "d", 29, "Day"},    {"5m", "Last 5 Months", "m", 4, "Month"},
                           {"10m", "Last 10 Months", "m", 9, "Month"}, {"5y", "Last 5 Years", "yyyy", 4, "Year"}};
const QStringList kSumColumns = {QStringLiteral("Played"), QStringLiteral("Won"),   QStringLiteral("Lost"),
                                 QStringLiteral("Time"),   QStringLiteral("Moves"), QStringLiteral("Score"),
                                 QStringLiteral("Perc")};

QStringList sumRow(const QString &name, const StatSum &s, bool wholePercent, const QLocale &locale)
{
    return {name,
            QString::number(s.Played),
            QString::number(s.Won),
            QString::number(s.Played - s.Won),
            FormatTime(s.Time),
            QString::number(s.Moves),
            QString::number(s.Score),
            percentText(s.Won, s.Played, wholePercent, locale)};
}

ChartTable wonLost(const StatSum &s)
{
    const int lost = s.Played - s.Won;
    return {{QStringLiteral("Won : %1").arg(s.Won), QStringLiteral("Lost : %1").arg(lost)}, {QString()}, {{double(s.Won), double(lost)}}};
}

ChartTable scoreMovesTime(const StatSum &s)
{
    return {{QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")},
            {QString()},
            {{double(std::max(s.Score, 0)), double(s.Moves), double(s.Time)}}};
}

QDateTime movedBy(const QDateTime &now, const QString &interval, int units)
{
    if (interval == QLatin1String("d"))
        return now.addDays(units);
    if (interval == QLatin1String("m"))
        return now.addMonths(units);
    return now.addYears(units);
}
} // namespace

frmGameStat::frmGameStat(GameContext &ctx, QWidget *parent, const QLocale &locale)
    : QDialog(parent), ctx_(ctx), locale_(locale)
{
    setObjectName(QStringLiteral("frmGameStat"));
    setWindowTitle(QStringLiteral("Game Statistics"));
    setWindowIcon(applicationIcon());
    hooks = StatHooks::boxes(this, ctx_.data.ProdName());

    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildGeneral(), QStringLiteral("General Summary"));
    tabs_->addTab(buildGames(), QStringLiteral("Game-wise"));
    tabs_->addTab(buildDates(), QStringLiteral("Date-wise"));
    tabs_->addTab(buildPlayers(), QStringLiteral("Player-wise"));
    lblUnreadable_ = makeUnreadableNote(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblUnreadable_);
    layout->addWidget(tabs_);
    layout->addLayout(buildButtons());

    tabs_->setCurrentIndex(0);
    fillChoosers();
    reload();
    connect(imcGames_, &QComboBox::textActivated, this, &frmGameStat::showGame);
    connect(imcDate_, QOverload<int>::of(&QComboBox::activated), this, &frmGameStat::showPeriod);
    connect(imcPlayer_, &QComboBox::textActivated, this, &frmGameStat::showPlayer);
    tabs_->setFocus();
    resize(760, 520);
    rememberGeometry(*this, ctx_.data);
}

void frmGameStat::fillChoosers()
{
    for (int16_t id = 1; id <= ctx_.data.TotalGames(); ++id)
        imcGames_->addItem(ctx_.data.GetGName(id));
    const int current = imcGames_->findText(ctx_.data.CurGName());
    imcGames_->setCurrentIndex(current >= 0 ? current : 0);
    for (const Period &p : kPeriods)
        imcDate_->addItem(QString::fromLatin1(p.text), QString::fromLatin1(p.key));
    imcDate_->setCurrentIndex(0);
    for (int16_t i = 1; i <= ctx_.data.TotalPlayers(); ++i)
        imcPlayer_->addItem(ctx_.data.GetPlayer(i));
    imcPlayer_->setCurrentIndex(imcPlayer_->findText(ctx_.data.CurPlayer()));
}

void frmGameStat::reload()
{
    // Everything below reads the records loaded here, until the dialog closes.
    ctx_.scores.OpenAllScore();
    showUnreadableNote(lblUnreadable_, ctx_.scores.UnreadableFiles());
    const StatSum all = ctx_.scores.SumAll();
    lvGeneral_->clear();
    lvGeneral_->addItems(generalLines(all, locale_));
    setChartTable(chGen_, wonLost(all));
    setChartTable(chGen1_, scoreMovesTime(all));
    lvGames_->clear();
    for (int16_t id = 1; id <= ctx_.data.TotalGames(); ++id) {
        const QString name = ctx_.data.GetGName(id);
        new QTreeWidgetItem(lvGames_, sumRow(name, ctx_.scores.SumGame(name), false, locale_));
    }
    showGame(imcGames_->currentText());
    showPeriod(imcDate_->currentIndex());
    lvPlayer_->clear();
    for (int16_t i = 1; i <= ctx_.data.TotalPlayers(); ++i) {
        const QString name = ctx_.data.GetPlayer(i);
        new QTreeWidgetItem(lvPlayer_, sumRow(name, ctx_.scores.SumPlayer(name), true, locale_));
    }
    showPlayer(imcPlayer_->currentText());
}

frmGameStat::~frmGameStat()
{
    if (!closed_)
        ctx_.scores.CloseScore();
}

void frmGameStat::done(int result)
{
    if (!closed_) {
        closed_ = true;
        ctx_.scores.CloseScore();
    }
    QDialog::done(result);
}

QHBoxLayout *frmGameStat::buildButtons()
{
    auto *clear = new QPushButton(QStringLiteral("Clear Statistics"), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    auto *exportButton = new QPushButton(QStringLiteral("Export Statistics"), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter closes the window; clearing or exporting takes a deliberate click.
    clear->setAutoDefault(false);
    exportButton->setAutoDefault(false);
    close->setDefault(true);
    connect(clear, &QPushButton::clicked, this, [this] {
        if (ClearStatistics(ctx_, hooks))
            reload();
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { ExportStatistics(ctx_, hooks); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);
    return buttons;
}

QWidget *frmGameStat::buildGeneral()
{
    auto *page = new QWidget(this);
    lvGeneral_ = new QListWidget(page);
    lvGeneral_->setObjectName(QStringLiteral("lvGeneral"));
    chGen_ = makeStatChart(QStringLiteral("chGen"), page);
    chGen1_ = makeStatChart(QStringLiteral("chGen1"), page);
    auto *charts = new QVBoxLayout;
    charts->addWidget(chGen_);
    charts->addWidget(chGen1_);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(lvGeneral_, 2);
    layout->addLayout(charts, 3);
    return page;
}

QWidget *frmGameStat::buildGames()
{
    return buildSumTab({QStringLiteral("lvGames"), QStringLiteral("Game"), QStringLiteral("imcGames"),
                        QStringLiteral("chGames"), QStringLiteral("chGames1")},
                       &lvGames_, &imcGames_, &chGames_, &chGames1_);
}

QWidget *frmGameStat::buildDates()
{
    auto *page = new QWidget(this);
    imcDate_ = new QComboBox(page);
    imcDate_->setObjectName(QStringLiteral("imcDate"));
    lvDate_ = makeReportList(QStringLiteral("lvDate"), {QStringLiteral("Day"), QStringLiteral("Played"), QStringLiteral("Won")}, page);
    chDate_ = makeStatChart(QStringLiteral("chDate"), page);
    chDate1_ = makeStatChart(QStringLiteral("chDate1"), page);
    auto *left = new QVBoxLayout;
    left->addWidget(imcDate_);
    left->addWidget(lvDate_);
    auto *charts = new QVBoxLayout;
    charts->addWidget(chDate_);
    charts->addWidget(chDate1_);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left, 2);
    layout->addLayout(charts, 3);
    return page;
}

QWidget *frmGameStat::buildPlayers()
{
    return buildSumTab({QStringLiteral("lvPlayer"), QStringLiteral("Player"), QStringLiteral("imcPlayer"),
                        QStringLiteral("chPlayer"), QStringLiteral("chPlayer1")},
                       &lvPlayer_, &imcPlayer_, &chPlayer_, &chPlayer1_);
}

// A tab of totals per name: the list, a chooser of one name, its two charts.
QWidget *frmGameStat::buildSumTab(const SumTabNames &names, QTreeWidget **list, QComboBox **chooser,
                                  QWidget **left, QWidget **right)
{
    auto *page = new QWidget(this);
    *list = makeReportList(names.list, QStringList{names.first} + kSumColumns, page);
    *chooser = new QComboBox(page);
    (*chooser)->setObjectName(names.chooser);
    *left = makeStatChart(names.leftChart, page);
    *right = makeStatChart(names.rightChart, page);
    auto *chooserRow = new QHBoxLayout;
    chooserRow->addWidget(new QLabel(names.first + QStringLiteral(" :"), page));
    chooserRow->addWidget(*chooser, 1);
    auto *charts = new QHBoxLayout;
    charts->addWidget(*left, 1);
    charts->addWidget(*right, 2);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(*list, 2);
    layout->addLayout(chooserRow);
    layout->addLayout(charts, 3);
    return page;
}

void frmGameStat::showGame(const QString &game)
{
    const StatSum g = ctx_.scores.SumGame(game);
    setChartTable(chGames_, wonLost(g));
    // Row 0 stays empty; rows 1..n are the game's first 50 records.
    ChartTable records{{QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")}, {QString()}, {{0, 0, 0}}};
    const int n = std::min(g.Played, 50);
    for (int i = 1; i <= n; ++i) {
        const ScoreRec r = ctx_.scores.GetGameRec(game, i);
        records.rows << QString::number(i);
        records.values << QList<double>{double(r.Score), double(r.Moves), double(r.Time)};
    }
    setChartTable(chGames1_, records);
}

void frmGameStat::showPeriod(int index)
{
    const Period &p = kPeriods[std::clamp(index, 0, 5)];
    imcDate_->setCurrentIndex(std::clamp(index, 0, 5));
    lvDate_->clear();
    lvDate_->headerItem()->setText(0, QString::fromLatin1(p.column));
    ChartTable played{{QStringLiteral("Played"), QStringLiteral("Won")}, {}, {}};
    ChartTable figures{{QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")}, {}, {}};
    const QDateTime now = ctx_.scores.now();
    const QString interval = QString::fromLatin1(p.interval);
    for (int j = -p.earlier; j <= 0; ++j) {
        const PeriodSum s = ctx_.scores.SumPeriod(dateTimeText(movedBy(now, interval, j)), interval);
        new QTreeWidgetItem(lvDate_, {s.Label, QString::number(s.Played), QString::number(s.Won)});
        played.rows << s.Label;
        played.values << QList<double>{double(s.Played), double(s.Won)};
        figures.rows << s.Label;
        figures.values << QList<double>{double(s.Score), double(s.Moves), double(s.Time)};
    }
    setChartTable(chDate_, played);
    setChartTable(chDate1_, figures);
}

void frmGameStat::showPlayer(const QString &player)
{
    const StatSum q = ctx_.scores.SumPlayer(player);
    setChartTable(chPlayer_, wonLost(q));
    setChartTable(chPlayer1_, scoreMovesTime(q));
}

} // namespace cardova::ui
