#include "ui/wizard/frmGamesWizard.h"

#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/GameRulesText.h"
#include "ui/dialogs/RulesPanel.h"
#include "ui/wizard/frmAddGame.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cardova::ui {

frmGamesWizard::frmGamesWizard(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), list_(new QListWidget(this)), details_(new RulesPanel(this)),
      add_(new QPushButton(QStringLiteral("Add Game"), this)),
      delete_(new QPushButton(QStringLiteral("Delete Game"), this)),
      close_(new QPushButton(QStringLiteral("Close"), this)),
      empty_(new QLabel(QStringLiteral("There are no custom games yet. Press \"Add Game\" to design one."), this))
{
    setObjectName(QStringLiteral("frmGamesWizard"));
    setWindowTitle(QStringLiteral("Game Wizard"));
    applyWindowIcon(*this);
    const QString title = ctx.data.ProdName();
    showError = errorBox(this, title);
    ask = questionBox(this, title);
    runAddGame = [](frmAddGame &dialog) { dialog.exec(); };
    buildLayout();

    RefreshList();
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        if (current)
            ShowDetails(current->text());
    });
    connect(add_, &QPushButton::clicked, this, &frmGamesWizard::addGame);
    connect(delete_, &QPushButton::clicked, this, &frmGamesWizard::deleteGame);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

void frmGamesWizard::buildLayout()
{
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setIconSize(QSize(16, 16));
    list_->setMinimumSize(200, 280);
    add_->setObjectName(QStringLiteral("cmdAdd"));
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    close_->setObjectName(QStringLiteral("cmdClose"));
    close_->setDefault(true);
    // The panel's two groups are the wizard's "Foundation" and "Tableau"
    // headings; they carry the headings' names so they can be found.
    for (QGroupBox *group : details_->findChildren<QGroupBox *>()) {
        if (group->title() == QStringLiteral("Foundation"))
            group->setObjectName(QStringLiteral("lbGoal"));
        else if (group->title() == QStringLiteral("Tableau"))
            group->setObjectName(QStringLiteral("lbHome"));
    }
    // The dialog keeps its size when the details come and go.
    QSizePolicy keep = details_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    details_->setSizePolicy(keep);
    empty_->setObjectName(QStringLiteral("lblEmpty"));
    empty_->setWordWrap(true);
    empty_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(empty_);
    right->addWidget(details_, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(list_, 2);
    top->addLayout(right, 3);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

void frmGamesWizard::RefreshList()
{
    const cData &data = ctx_.data;
    // Filling the list must not show each entry's details on the way.
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (int16_t id = kStandardGameCount + 1; id <= data.TotalGames(); ++id)
        new QListWidgetItem(gameImage(), data.GetGName(id), list_);
    const bool any = list_->count() > 0;
    details_->setVisible(any);
    empty_->setVisible(!any);
    delete_->setEnabled(any);
    if (!any)
        return;
    list_->setCurrentRow(0);
    ShowDetails(list_->item(0)->text());
}

void frmGamesWizard::ShowDetails(const QString &gName)
{
    // A damaged file shows its reason in place of the rules.
    details_->showRules(rulesTexts(ctx_.custom, gName));
}

void frmGamesWizard::addGame()
{
    frmAddGame dialog(ctx_, this);
    runAddGame(dialog);
    RefreshList();
}

void frmGamesWizard::deleteGame()
{
    const QListWidgetItem *item = list_->currentItem();
    if (!item)
        return; // nothing listed, nothing to delete
    if (!ask(QStringLiteral("Are you sure you want to delete this game ?")))
        return;
    QFile file(ctx_.custom.gameFilePath(item->text()));
    if (file.exists() && !file.remove())
        showError(QStringLiteral("The game could not be deleted (%1).").arg(file.errorString()));
    // Init lists the games afresh, so later ids move down by one.
    ctx_.custom.Init();
    RefreshList();
}

} // namespace cardova::ui
