#include "ui/dialogs/frmOrgFav.h"

#include "common/PrintableText.h"
#include "session/GameContext.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/FavouriteRows.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

frmOrgFav::frmOrgFav(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), games_(new QTreeWidget(this)), favs_(new QTreeWidget(this)),
      clear_(new QPushButton(QStringLiteral("Clear Favorites"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this)), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("frmOrgFav"));
    setWindowTitle(QStringLiteral("Organize Favorites"));
    applyWindowIcon(*this);
    showMessage = informationBox(this, ctx.data.ProdName());
    askClear = confirmBox(this, ctx.data.ProdName());
    buildLayout();

    ctx_.scores.OpenFav();
    fillGames();
    connect(games_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { gameClicked(current); });
    gameClicked(games_->currentItem());

    connect(clear_, &QPushButton::clicked, this, &frmOrgFav::clearFavourites);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    // The button's state is also set at once, so it never shows a stale
    // state for the first half second.
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &frmOrgFav::updateClearButton);
    timer_->start();
    updateClearButton();
}

void frmOrgFav::buildLayout()
{
    setUpReportList(*games_, "lvGames", QStringLiteral("Game"));
    setUpReportList(*favs_, "lvFav", QStringLiteral("Game Number"));
    clear_->setObjectName(QStringLiteral("cmdClear"));
    clear_->setAutoDefault(false);
    close_->setObjectName(QStringLiteral("cmdClose"));
    close_->setDefault(true);

    auto *lists = new QHBoxLayout;
    lists->addWidget(games_, 3);
    lists->addWidget(favs_, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
}

void frmOrgFav::fillGames()
{
    const cData &data = ctx_.data;
    QTreeWidgetItem *selected = nullptr;
    for (int16_t i = 1; i <= data.TotalGames(); ++i) {
        auto *item = new QTreeWidgetItem(games_, {data.GetGName(i)});
        item->setIcon(0, gameImage());
        // The first game unless the game last dealt is listed.
        if (!selected || item->text(0) == data.CurGName())
            selected = item;
    }
    games_->setCurrentItem(selected);
}

void frmOrgFav::gameClicked(QTreeWidgetItem *item)
{
    UpdateLVFav(item ? item->text(0) : QString());
}

void frmOrgFav::UpdateLVFav(const QString &game)
{
    favs_->clear();
    if (game.isEmpty())
        return; // no game selected: favourites of an unknown game stay unseen
    for (const QString &number : favouriteNumbers(ctx_.scores, game))
        new QTreeWidgetItem(favs_, {number});
}

void frmOrgFav::clearFavourites()
{
    if (!askClear(QStringLiteral("Are you sure you want to delete the Favorites of all Games ?")))
        return;
    if (!ctx_.scores.ClearFav())
        showMessage(QStringLiteral("The favourites could not be cleared: the file %1 cannot be deleted.")
                        .arg(printableText(ctx_.scores.favFilePath())));
    // Reloading shows what the file holds now, whether or not it went.
    ctx_.scores.OpenFav();
    const QTreeWidgetItem *game = games_->currentItem();
    UpdateLVFav(game ? game->text(0) : QString());
    updateClearButton();
}

void frmOrgFav::updateClearButton() { clear_->setEnabled(ctx_.scores.FavTop() >= 1); }

} // namespace cardova::ui
