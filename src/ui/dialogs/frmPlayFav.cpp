#include "ui/dialogs/frmPlayFav.h"

#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "settings/GameNumber.h"
#include "ui/dialogs/ChooserLists.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/FavouriteRows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

frmPlayFav::frmPlayFav(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), games_(new QComboBox(this)), favs_(new QTreeWidget(this)),
      play_(new QPushButton(QStringLiteral("Play"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmPlayFav"));
    setWindowTitle(QStringLiteral("Play from Favorites"));
    applyWindowIcon(*this);
    showMessage = informationBox(this, ctx.data.ProdName());
    buildLayout();

    ctx_.scores.OpenFav();
    fillGames(*games_, ctx_.data, gameImage());
    if (games_->count() > 0)
        games_->setCurrentIndex(0);
    selectText(*games_, ctx_.data.CurGName());
    UpdateLVFav(games_->currentText());
    connect(games_, &QComboBox::currentTextChanged, this, &frmPlayFav::UpdateLVFav);

    connect(play_, &QPushButton::clicked, this, &frmPlayFav::play);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPlayFav::buildLayout()
{
    games_->setObjectName(QStringLiteral("imcGames"));
    games_->setIconSize(QSize(16, 16));
    games_->setMinimumWidth(200);
    setUpReportList(*favs_, "lvFav", QStringLiteral("Game Number"));
    play_->setObjectName(QStringLiteral("cmdPlay"));
    play_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto *gameRow = new QHBoxLayout;
    gameRow->addWidget(new QLabel(QStringLiteral("Game :"), this));
    gameRow->addWidget(games_, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(play_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(gameRow);
    layout->addWidget(favs_, 1);
    layout->addLayout(buttons);
}

void frmPlayFav::UpdateLVFav(const QString &game)
{
    play_->setEnabled(false);
    favs_->clear();
    if (game.isEmpty())
        return; // no game chosen: favourites of an unknown game stay unseen
    for (const QString &number : favouriteNumbers(ctx_.scores, game)) {
        auto *row = new QTreeWidgetItem(favs_, {number});
        favs_->setCurrentItem(row); // the last one added ends up selected
        play_->setEnabled(true);
    }
}

void frmPlayFav::play()
{
    const QTreeWidgetItem *row = favs_->currentItem();
    if (!row || games_->currentIndex() < 0)
        return; // nothing chosen: "Play" was disabled
    // The number is handed on as the text the player saw, as typed numbers are.
    const std::optional<GameNumber> number = GameNumber::fromText(row->text(0));
    if (!number) {
        showMessage(QStringLiteral("Game <%1> is not a valid game number.").arg(row->text(0)));
        return;
    }
    hide(); // the deal is seen on a free table
    const QString problem = NewGame(ctx_, games_->currentText(), *number);
    if (!problem.isEmpty())
        showMessage(problem);
    accept();
}

} // namespace cardova::ui
