#include "ui/dialogs/frmHighScore.h"

#include "session/GameContext.h"
#include "ui/dialogs/ChooserLists.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/ScoreList.h"
#include "ui/stats/UnreadableNote.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace cardova::ui {

namespace {
using C = ScoreColumn;

// The finished-games rankings in the chooser's order.
enum FinChoice { ByScore, ByMoves, ByTime };

// A tab holding a labelled chooser above a list.
QWidget *chooserTab(const QString &caption, QComboBox *chooser, ScoreList *list)
{
    auto *page = new QWidget;
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, page));
    row->addWidget(chooser);
    row->addStretch(1);
    chooser->setMinimumWidth(180);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(list, 1);
    return page;
}
} // namespace

frmHighScore::frmHighScore(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), tabs_(new QTabWidget(this)),
      close_(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("frmHighScore"));
    setWindowTitle(QStringLiteral("High Score"));
    applyWindowIcon(*this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    close_->setObjectName(QStringLiteral("cmdClose"));
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    ctx_.scores.OpenAllScore();
    loaded_ = true;
    tabs_->addTab(buildTopTab(), QStringLiteral("Top Score"));
    tabs_->addTab(buildGamesTab(), QStringLiteral("Game-wise"));
    tabs_->addTab(buildPlayerTab(), QStringLiteral("Player-wise"));
    tabs_->addTab(buildFinishedTab(), QStringLiteral("Finished Games"));
    tabs_->setCurrentIndex(0);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto *unreadable = makeUnreadableNote(this);
    showUnreadableNote(unreadable, ctx_.scores.UnreadableFiles());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(unreadable);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    resize(760, 440);
}

frmHighScore::~frmHighScore() { releaseScores(); }

void frmHighScore::done(int result)
{
    releaseScores();
    QDialog::done(result);
}

void frmHighScore::releaseScores()
{
    if (!loaded_)
        return;
    loaded_ = false;
    ctx_.scores.CloseScore();
}

void frmHighScore::fillByScore(ScoreList &list, const QString &gName, const QString &player)
{
    ctx_.scores.Sort(gName, player, 0);
    list.clear();
    for (int slot = 1; slot <= kTopSlots; ++slot) {
        const ScoreRec r = ctx_.scores.GetTopRec(slot);
        if (r.Score > 0)
            list.addRecord(r, slot, C::Score);
    }
    list.fitColumns();
}

QWidget *frmHighScore::buildTopTab()
{
    const QLocale &locale = ctx_.scores.locale();
    top_ = new ScoreList("lvTop", {C::Game, C::Player, C::Score, C::Time, C::Moves, C::Status, C::Date, C::GameNo},
                         locale);
    fillByScore(*top_, QString(), QString());
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(top_);
    return page;
}

QWidget *frmHighScore::buildGamesTab()
{
    games_ = new QComboBox;
    games_->setObjectName(QStringLiteral("imcGames"));
    gameList_ = new ScoreList("lvGames", {C::Rank, C::Player, C::Score, C::Time, C::Moves, C::Status, C::Date, C::GameNo},
                              ctx_.scores.locale());
    fillGames(*games_, ctx_.data, gameImage());
    if (games_->count() > 0)
        games_->setCurrentIndex(0);
    selectText(*games_, ctx_.data.CurGName()); // a game no longer listed keeps the first
    fillByScore(*gameList_, games_->currentText(), QString());
    connect(games_, &QComboBox::currentTextChanged, this,
            [this](const QString &g) { fillByScore(*gameList_, g, QString()); });
    return chooserTab(QStringLiteral("Game :"), games_, gameList_);
}

QWidget *frmHighScore::buildPlayerTab()
{
    players_ = new QComboBox;
    players_->setObjectName(QStringLiteral("imcPlayer"));
    playerList_ = new ScoreList("lvPlayer", {C::Rank, C::Game, C::Score, C::Time, C::Moves, C::Status, C::Date, C::GameNo},
                                ctx_.scores.locale());
    fillPlayers(*players_, ctx_.data, playerImage());
    if (players_->count() > 0)
        players_->setCurrentIndex(0);
    // The list always belongs to the player the chooser shows.
    selectText(*players_, ctx_.data.CurPlayer());
    fillByScore(*playerList_, QString(), players_->currentText());
    connect(players_, &QComboBox::currentTextChanged, this,
            [this](const QString &p) { fillByScore(*playerList_, QString(), p); });
    return chooserTab(QStringLiteral("Player :"), players_, playerList_);
}

QWidget *frmHighScore::buildFinishedTab()
{
    fin_ = new QComboBox;
    fin_->setObjectName(QStringLiteral("imcFin"));
    fin_->addItems({QStringLiteral("Score"), QStringLiteral("Moves"), QStringLiteral("Time")});
    finList_ = new ScoreList("lvFin", {C::Rank, C::Game, C::Player, C::Score, C::Time, C::Moves, C::Date, C::GameNo},
                             ctx_.scores.locale());
    fin_->setCurrentIndex(ByScore);
    fillFinished(ByScore);
    connect(fin_, &QComboBox::currentIndexChanged, this, &frmHighScore::fillFinished);
    return chooserTab(QStringLiteral("Ranked by :"), fin_, finList_);
}

void frmHighScore::fillFinished(int choice)
{
    ScoreColumn key = C::Score;
    switch (choice) {
    case ByMoves:
        ctx_.scores.FinSort(false, true);
        key = C::Moves;
        break;
    case ByTime:
        ctx_.scores.FinSort(true, false);
        key = C::Time;
        break;
    default: ctx_.scores.Sort(QString(), QString(), 1); break;
    }
    finList_->clear();
    for (int slot = 1; slot <= kTopSlots; ++slot) {
        const ScoreRec r = ctx_.scores.GetTopRec(slot);
        if (!r.Date.isEmpty())
            finList_->addRecord(r, slot, key);
    }
    finList_->fitColumns();
}

} // namespace cardova::ui
