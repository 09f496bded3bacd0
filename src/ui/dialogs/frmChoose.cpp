#include "ui/dialogs/frmChoose.h"

#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "ui/dialogs/ChooserLists.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/dialogs/GameNumberCheck.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cardova::ui {

frmChoose::frmChoose(GameContext &ctx, QWidget *parent, const QLocale &locale)
    : QDialog(parent), ctx_(ctx), locale_(locale), maxGameNo_(MaxGameNo(ctx.data.RangeIndex())),
      number_(new QLineEdit(this)), name_(new QLabel(QStringLiteral("Enter a Game Number between"), this)),
      range_(new QLabel(this)), games_(new QComboBox(this)), players_(new QComboBox(this)),
      select_(new QPushButton(QStringLiteral("Select"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmChoose"));
    setWindowTitle(QStringLiteral("Select a Game Number"));
    applyWindowIcon(*this);
    showMessage = informationBox(this, ctx.data.ProdName());
    buildLayout();

    number_->setText(RandomGameNo(ctx).toText());
    number_->selectAll();
    range_->setText(QStringLiteral("0 and ") + formatGameNo(maxGameNo_, locale_));

    fillGames(*games_, ctx.data, gameImage());
    if (games_->count() > 0)
        games_->setCurrentIndex(0);
    selectText(*games_, ctx.data.CurGName());
    fillPlayers(*players_, ctx.data, playerImage());
    if (!selectText(*players_, ctx.data.CurPlayer()))
        players_->setCurrentIndex(-1); // nobody is chosen for the player

    connect(select_, &QPushButton::clicked, this, &frmChoose::select);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChoose::buildLayout()
{
    number_->setObjectName(QStringLiteral("Text1"));
    number_->setMinimumWidth(200);
    name_->setObjectName(QStringLiteral("lblName"));
    range_->setObjectName(QStringLiteral("lblRange"));
    games_->setObjectName(QStringLiteral("imcGames"));
    players_->setObjectName(QStringLiteral("imcPlayer"));
    select_->setObjectName(QStringLiteral("cmdSelect"));
    select_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto *prompt = new QHBoxLayout;
    prompt->addWidget(name_);
    prompt->addWidget(range_);
    prompt->addStretch(1);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Game :"), games_);
    form->addRow(QStringLiteral("Player :"), players_);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(select_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(prompt);
    layout->addWidget(number_);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmChoose::refuseNumber(const QString &message)
{
    showMessage(message);
    number_->setText(QStringLiteral("0"));
    number_->setFocus();
}

void frmChoose::select()
{
    // Typed the way the dialog prints numbers ("12,345"), the number starts
    // under its digits alone.
    const QString typed = withoutGroupSeparators(number_->text(), locale_);
    if (!gameNumberAccepted(typed, maxGameNo_)) {
        refuseNumber(QStringLiteral("Please enter a number between 0 and ") + formatGameNo(maxGameNo_, locale_));
        return;
    }
    const QString game = games_->currentText();
    GameRecord record;
    const QString problem = ctx_.custom.LoadRecord(game, &record);
    if (!problem.isEmpty()) {
        showMessage(problem); // the dialog stays open for another game
        return;
    }
    hide();
    if (players_->currentIndex() >= 0)
        ctx_.data.SetCurPlayer(players_->currentText());
    // The number goes on exactly as typed ("12.5" stays "12.5").
    const QString started = NewGame(ctx_, game, *GameNumber::fromText(typed));
    if (!started.isEmpty())
        showMessage(started);
    accept();
}

} // namespace cardova::ui
