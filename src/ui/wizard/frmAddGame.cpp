#include "ui/wizard/frmAddGame.h"

#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/wizard/GameNameCheck.h"
#include "ui/wizard/RecordChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace cardova::ui {

namespace {

QComboBox *choiceList(QWidget *parent, const char *objectName)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    return combo;
}

QCheckBox *checkBox(QWidget *parent, const char *objectName, const QString &text)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

// Gives the label columns of several forms one width, so that the lists of
// both groups line up in one column.
void alignLabelColumns(std::initializer_list<QFormLayout *> forms)
{
    int width = 0;
    QList<QWidget *> labels;
    for (QFormLayout *form : forms)
        for (int row = 0; row < form->rowCount(); ++row)
            if (QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget()) {
                labels << item->widget();
                width = std::max(width, item->widget()->sizeHint().width());
            }
    for (QWidget *label : labels)
        label->setMinimumWidth(width);
}

} // namespace

frmAddGame::frmAddGame(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), name_(new QLineEdit(this)), gOrder_(choiceList(this, "imcGorder")),
      gBase_(choiceList(this, "imcGoalBase")), gCards_(choiceList(this, "imcGoalCards")),
      hOrder_(choiceList(this, "imcHorder")), hSpace_(choiceList(this, "imcHomeEmpty")),
      hPiles_(choiceList(this, "imcHomePiles")), hAk_(checkBox(this, "chkHomeAK", QStringLiteral("Ace-King Wrapping"))),
      hMulti_(checkBox(this, "chkMulti", QStringLiteral("Multi Move"))),
      add_(new QPushButton(QStringLiteral("Add Game"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmAddGame"));
    setWindowTitle(QStringLiteral("Create a New Game"));
    applyWindowIcon(*this);
    const QString title = ctx.data.ProdName();
    showMessage = informationBox(this, title);
    showError = errorBox(this, title);
    ask = questionBox(this, title);
    buildLayout();
    FillChoices();

    connect(add_, &QPushButton::clicked, this, &frmAddGame::addGame);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAddGame::buildLayout()
{
    name_->setObjectName(QStringLiteral("txtName"));
    add_->setObjectName(QStringLiteral("cmdAdd"));
    add_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));

    auto *nameGroup = new QGroupBox(QStringLiteral("Game Name"), this);
    auto *nameLayout = new QVBoxLayout(nameGroup);
    nameLayout->addWidget(new QLabel(QStringLiteral("Enter a Name for this New Game"), nameGroup));
    nameLayout->addWidget(name_);

    auto *goalGroup = new QGroupBox(QStringLiteral("Foundation"), this);
    auto *goal = new QFormLayout(goalGroup);
    goal->addRow(QStringLiteral("Foundation Card Arranging Order"), gOrder_);
    goal->addRow(QStringLiteral("Foundation Base Card"), gBase_);
    goal->addRow(QStringLiteral("Initial Cards on Foundation"), gCards_);

    auto *homeGroup = new QGroupBox(QStringLiteral("Tableau"), this);
    auto *home = new QFormLayout(homeGroup);
    home->addRow(QStringLiteral("Tableau Card Arranging Order"), hOrder_);
    home->addRow(QStringLiteral("Tableau Space filling card"), hSpace_);
    home->addRow(QStringLiteral("Tableau Piles"), hPiles_);
    auto *checks = new QHBoxLayout;
    checks->addWidget(hAk_);
    checks->addWidget(hMulti_);
    checks->addStretch(1);
    home->addRow(checks);

    alignLabelColumns({goal, home});

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup);
    layout->addWidget(goalGroup);
    layout->addWidget(homeGroup);
    layout->addLayout(buttons);
    setMinimumWidth(440);
}

void frmAddGame::FillChoices()
{
    using namespace RecordLimits;
    const GameRecord preset; // the record's defaults are the wizard's preselection
    name_->setText(QStringLiteral("Klondike Game 01"));
    fillCodes(*gOrder_, 0, kMaxFoundationOrder, OrderText, preset.gOrder);
    fillCodes(*gBase_, 0, kMaxRank, BaseCardText, preset.gBase);
    fillCodes(*gCards_, 0, kMaxInitialCards, nullptr, preset.gCards);
    fillCodes(*hOrder_, 0, kMaxTableauOrder, OrderText, preset.hOrder);
    fillCodes(*hSpace_, 0, kMaxRank, SpaceCardText, preset.hSpace);
    fillCodes(*hPiles_, kWizardMinPiles, kWizardMaxPiles, nullptr, preset.hPiles);
    hAk_->setChecked(preset.hAk == 1);
    hMulti_->setChecked(preset.hMulti == 1);
}

GameRecord frmAddGame::chosenRecord() const
{
    GameRecord r;
    r.gOrder = selectedCode(*gOrder_);
    r.gBase = selectedCode(*gBase_);
    r.gCards = int16_t(selectedCode(*gCards_));
    r.hOrder = selectedCode(*hOrder_);
    r.hSpace = int16_t(selectedCode(*hSpace_));
    r.hPiles = int16_t(selectedCode(*hPiles_));
    r.hAk = hAk_->isChecked() ? 1 : 0;
    r.hMulti = hMulti_->isChecked() ? 1 : 0;
    return r;
}

void frmAddGame::addGame()
{
    const QString name = cleanGameName(name_->text());
    if (const QString problem = gameNameProblem(name); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    if (QFile::exists(ctx_.custom.gameFilePath(name)) &&
        !ask(QStringLiteral("Game Exists. Do you want to Overwrite ?")))
        return;
    // A failed write keeps the dialog open so the player can try again.
    if (const QString problem = ctx_.custom.SaveGame(name, chosenRecord()); !problem.isEmpty()) {
        showError(QStringLiteral("The game could not be saved: %1.").arg(problem));
        return;
    }
    registerName(name);
    ctx_.custom.RefreshList();
    showMessage(QStringLiteral("Successfully Created New Game ") + name);
    accept();
}

void frmAddGame::registerName(const QString &name)
{
    // Checking the table rather than the file also covers a file that was
    // put in the folder after the table was made: it is listed once.
    cData &data = ctx_.data;
    if (data.GetGameID(name) != 0)
        return;
    data.SetTotalGames(int16_t(data.TotalGames() + 1));
    data.SetGame(data.TotalGames(), name);
}

} // namespace cardova::ui
