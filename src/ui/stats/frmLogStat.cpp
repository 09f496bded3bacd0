#include "ui/stats/frmLogStat.h"

#include "common/FormatTime.h"
#include "scores/DateText.h"
#include "session/GameContext.h"
#include "ui/dialogs/ScoreRows.h"
#include "ui/stats/StatCharts.h"
#include "ui/stats/UnreadableNote.h"
#include "ui/windows/AppIcon.h"
#include "ui/windows/WindowMemory.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
const std::pair<const char *, const char *> kPeriods[] = {{"t", "Show Today"},     {"3d", "Last 3 Days"},
                                                          {"7d", "Last 7 Days"},   {"30d", "Last 30 Days"},
                                                          {"3m", "Last 3 Months"}, {"5m", "Last 5 Months"},
                                                          {"", "Show All"}};

QComboBox *chooser(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}
} // namespace

frmLogStat::frmLogStat(GameContext &ctx, QWidget *parent, const QLocale &locale)
    : QDialog(parent), ctx_(ctx), locale_(locale)
{
    setObjectName(QStringLiteral("frmLogStat"));
    setWindowTitle(QStringLiteral("Log Statistics"));
    setWindowIcon(applicationIcon());
    imcDate_ = chooser(QStringLiteral("imcDate"), this);
    imcGames_ = chooser(QStringLiteral("imcGames"), this);
    imcPlayer_ = chooser(QStringLiteral("imcPlayer"), this);
    lvLog_ = makeReportList(QStringLiteral("lvLog"),
                            {QStringLiteral("Date"), QStringLiteral("Player"), QStringLiteral("Game"),
                             QStringLiteral("Score"), QStringLiteral("Time"), QStringLiteral("Moves"),
                             QStringLiteral("Status"), QStringLiteral("Game Number")},
                            this);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *choosers = new QHBoxLayout;
    choosers->addWidget(new QLabel(QStringLiteral("Period :"), this));
    choosers->addWidget(imcDate_, 1);
    choosers->addWidget(new QLabel(QStringLiteral("Game :"), this));
    choosers->addWidget(imcGames_, 1);
    choosers->addWidget(new QLabel(QStringLiteral("Player :"), this));
    choosers->addWidget(imcPlayer_, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    lblUnreadable_ = makeUnreadableNote(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblUnreadable_);
    layout->addLayout(choosers);
    layout->addWidget(lvLog_);
    layout->addLayout(buttons);

    ctx_.scores.OpenAllScore();
    showUnreadableNote(lblUnreadable_, ctx_.scores.UnreadableFiles());
    imcGames_->addItem(QStringLiteral("All Games"));
    for (int16_t id = 1; id <= ctx_.data.TotalGames(); ++id)
        imcGames_->addItem(ctx_.data.GetGName(id));
    imcPlayer_->addItem(QStringLiteral("All Players"));
    for (int16_t i = 1; i <= ctx_.data.TotalPlayers(); ++i)
        imcPlayer_->addItem(ctx_.data.GetPlayer(i));
    for (const auto &[key, text] : kPeriods)
        imcDate_->addItem(QString::fromLatin1(text), QString::fromLatin1(key));
    imcDate_->setCurrentIndex(imcDate_->count() - 1);
    fill();
    for (QComboBox *box : {imcDate_, imcGames_, imcPlayer_})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &frmLogStat::fill);
    resize(760, 460);
    rememberGeometry(*this, ctx_.data);
}

frmLogStat::~frmLogStat()
{
    if (!closed_)
        ctx_.scores.CloseScore();
}

void frmLogStat::done(int result)
{
    if (!closed_) {
        closed_ = true;
        ctx_.scores.CloseScore();
    }
    QDialog::done(result);
}

bool frmLogStat::inPeriod(const ScoreRec &r, const QString &key) const
{
    if (key.isEmpty())
        return true;
    // The day found when the file was read: the text is not parsed again for
    // every record at every change of a chooser.
    const int32_t day = r.day != ScoreRec::kDayUnknown ? r.day : dayFromText(r.Date);
    if (day == ScoreRec::kNoDate)
        return false;
    const QDate when = QDate::fromJulianDay(day);
    const QDate today = ctx_.scores.now().date();
    const qint64 days = when.daysTo(today);
    const int months = (today.year() - when.year()) * 12 + today.month() - when.month();
    if (days < 0)
        return false; // dated after today
    if (key == QLatin1String("t"))
        return days == 0;
    if (key.endsWith(QLatin1Char('d')))
        return days <= key.chopped(1).toInt();
    return months <= key.chopped(1).toInt();
}

void frmLogStat::fill()
{
    lvLog_->clear();
    const QString period = imcDate_->currentData().toString();
    const bool allGames = imcGames_->currentIndex() <= 0;
    const bool allPlayers = imcPlayer_->currentIndex() <= 0;
    QList<QTreeWidgetItem *> rows;
    for (int32_t i = 1; i <= ctx_.scores.ScoreTop(); ++i) {
        const ScoreRec r = ctx_.scores.GetScoreRec(i);
        if ((!allPlayers && r.Player != imcPlayer_->currentText()) ||
            (!allGames && r.GName != imcGames_->currentText()) || !inPeriod(r, period))
            continue;
        rows << new QTreeWidgetItem({shortDateText(r.Date, locale_), r.Player, r.GName, QString::number(r.Score),
                                     FormatTime(r.Time), QString::number(r.Moves),
                                     r.Won == 1 ? QStringLiteral("Won") : QStringLiteral("Lost"), r.GNo.toText()});
    }
    lvLog_->addTopLevelItems(rows);
}

} // namespace cardova::ui
