#include "ui/dialogs/frmPlayers.h"

#include "session/GameContext.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/PlayerSlots.h"
#include "ui/dialogs/dlGInput.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace cardova::ui {

frmPlayers::frmPlayers(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), list_(new QTreeWidget(this)),
      add_(new QPushButton(QStringLiteral("New"), this)), edit_(new QPushButton(QStringLiteral("Edit"), this)),
      delete_(new QPushButton(QStringLiteral("Delete"), this)),
      select_(new QPushButton(QStringLiteral("Select"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmPlayers"));
    setWindowTitle(QStringLiteral("Players"));
    applyWindowIcon(*this);
    const QString title = ctx.data.ProdName();
    showMessage = informationBox(this, title);
    showError = errorBox(this, title);
    ask = questionBox(this, title);
    askName = [](dlGInput &dialog) { dialog.exec(); };
    buildLayout();

    FillPlayers();
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { entryChanged(current); });

    connect(add_, &QPushButton::clicked, this, &frmPlayers::addPlayer);
    connect(edit_, &QPushButton::clicked, this, &frmPlayers::editPlayer);
    connect(delete_, &QPushButton::clicked, this, &frmPlayers::deletePlayer);
    connect(select_, &QPushButton::clicked, this, &frmPlayers::selectPlayer);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPlayers::buildLayout()
{
    list_->setObjectName(QStringLiteral("lvPlayer"));
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setIconSize(QSize(16, 16));
    list_->setMinimumSize(200, 260);
    add_->setObjectName(QStringLiteral("cmdAdd"));
    edit_->setObjectName(QStringLiteral("cmdEdit"));
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    select_->setObjectName(QStringLiteral("cmdSelect"));
    select_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    buttons->addWidget(select_);
    buttons->addWidget(cancel_);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void frmPlayers::FillPlayers()
{
    const cData &data = ctx_.data;
    list_->clear();
    for (int16_t slot = 1; slot <= data.TotalPlayers(); ++slot) {
        auto *item = new QTreeWidgetItem(list_, {data.GetPlayer(slot)});
        item->setIcon(0, playerImage());
        if (item->text(0) == data.CurPlayer())
            list_->setCurrentItem(item);
    }
    // Also covers a list without the current player: nothing is selected,
    // so there is nothing to delete.
    entryChanged(list_->currentItem());
}

void frmPlayers::entryChanged(QTreeWidgetItem *item)
{
    // The current player cannot be deleted from here.
    delete_->setEnabled(item && item->text(0) != ctx_.data.CurPlayer());
}

QString frmPlayers::selectedName() const
{
    const QTreeWidgetItem *item = list_->currentItem();
    return item ? item->text(0) : QString();
}

void frmPlayers::AskPlayerName(const QString &prompt, const QString &oldName)
{
    dlGInput dialog(ctx_.data.ProdName(), this);
    dialog.setUp(prompt, oldName);
    dialog.checkText = [this, oldName](const QString &name) {
        const QString refusal = storePlayerName(ctx_.data, ctx_.scores, oldName, name);
        if (!refusal.isEmpty())
            showError(refusal);
        return refusal.isEmpty();
    };
    askName(dialog);
}

void frmPlayers::addPlayer()
{
    if (ctx_.data.TotalPlayers() >= kMaxPlayers) {
        showMessage(fullPlayersText());
        return;
    }
    AskPlayerName(QStringLiteral("Add Player"), QString());
    FillPlayers();
}

void frmPlayers::editPlayer()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return; // nothing selected to rename
    AskPlayerName(QStringLiteral("Edit Player"), name);
    FillPlayers();
}

void frmPlayers::deletePlayer()
{
    const QString name = selectedName();
    if (name.isEmpty() || name == ctx_.data.CurPlayer())
        return; // the button is disabled for these
    if (!ask(QStringLiteral("Are you sure you want to delete this player")))
        return;
    removePlayer(ctx_.data, name);
    FillPlayers();
    const QString scoreFile = ctx_.scores.scoreFilePath(name);
    if (QFile::exists(scoreFile) && !QFile::remove(scoreFile))
        showError(QStringLiteral("The scores of \"%1\" could not be deleted from %2.").arg(name, scoreFile));
}

void frmPlayers::selectPlayer()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return; // no entry to make current
    ctx_.data.SetCurPlayer(name);
    accept();
}

} // namespace cardova::ui
