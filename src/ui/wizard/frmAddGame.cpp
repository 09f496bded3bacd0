#include "ui/wizard/frmAddGame.h"

#include "rules/StandardGames.h"
#include "session/DealPreview.h"
#include "session/GameContext.h"
#include "ui/dialogs/DialogImages.h"
#include "ui/wizard/ChoiceWidgets.h"
#include "ui/wizard/GameNameCheck.h"
#include "ui/wizard/LayoutPicture.h"
#include "ui/wizard/MoreRulesPage.h"
#include "ui/wizard/RecordChoices.h"
#include "ui/wizard/RuleChoiceTexts.h"
#include "ui/wizard/StartFromList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace cardova::ui {

namespace {

// Characters a list shows before its open list shows the whole entry: the
// longest orders would otherwise leave the picture beside them no room.
constexpr int kListWidth = 16;

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

// The deal the picture shows: any number shows the pattern equally well.
constexpr double kPictureDeal = 1;
const QString kExplainPrompt = QStringLiteral("Click a choice to read what it does.");

// The sentence of a control; the deal and move lists describe their entry.
QString explanationOf(const QWidget &w)
{
    if (auto *combo = qobject_cast<const QComboBox *>(&w)) {
        if (w.objectName() == QLatin1String("imcDeal"))
            return dealExplanation(DealPattern(selectedCode(*combo)));
        if (w.objectName() == QLatin1String("imcMoves"))
            return movesExplanation(TableauMoves(selectedCode(*combo))) +
                   (w.isEnabled() ? QString() : QStringLiteral(" (Multi Move is off: single cards only.)"));
    }
    return choiceExplanation(w.objectName());
}

} // namespace

frmAddGame::frmAddGame(GameContext &ctx, QWidget *parent)
    : QDialog(parent), ctx_(ctx), name_(new QLineEdit(this)), gOrder_(choiceList(this, "imcGorder", kListWidth)),
      gBase_(choiceList(this, "imcGoalBase", kListWidth)), gCards_(choiceList(this, "imcGoalCards", kListWidth)),
      hOrder_(choiceList(this, "imcHorder", kListWidth)), hSpace_(choiceList(this, "imcHomeEmpty", kListWidth)),
      hPiles_(choiceList(this, "imcHomePiles", kListWidth)), hAk_(choiceBox(this, "chkHomeAK", QStringLiteral("Ace-King Wrapping"))),
      hMulti_(choiceBox(this, "chkMulti", QStringLiteral("Multi Move"))),
      add_(new QPushButton(QStringLiteral("Add Game"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)), startFrom_(choiceList(this, "imcStartFrom", kListWidth)),
      pages_(new QTabWidget(this)), more_(new MoreRulesPage(this)), picture_(new LayoutPicture(this)),
      problem_(new QLabel(this)), explain_(new QLabel(kExplainPrompt, this))
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
    connectChanges();
    rulesChanged();

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
    auto *start = new QHBoxLayout;
    start->addWidget(new QLabel(QStringLiteral("Start from:"), nameGroup));
    start->addWidget(startFrom_, 1);
    nameLayout->addLayout(start);

    pages_->setObjectName(QStringLiteral("tabRules"));
    pages_->addTab(buildFirstPage(), QStringLiteral("Foundation and Tableau"));
    pages_->addTab(more_, QStringLiteral("More Rules"));

    auto *pictureGroup = new QGroupBox(QStringLiteral("Table Layout"), this);
    auto *pictureLayout = new QVBoxLayout(pictureGroup);
    pictureLayout->addWidget(picture_, 1);
    problem_->setObjectName(QStringLiteral("lblProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020;"));
    pictureLayout->addWidget(problem_);

    auto *rules = new QHBoxLayout;
    // The choices keep their size; the picture takes what room is left.
    rules->addWidget(pages_, 0);
    rules->addWidget(pictureGroup, 1);

    explain_->setObjectName(QStringLiteral("lblExplain"));
    explain_->setWordWrap(true);
    explain_->setFrameShape(QFrame::StyledPanel);
    explain_->setMargin(4);
    // Two lines always, so the dialog does not jump as the text changes.
    explain_->setMinimumHeight(2 * explain_->fontMetrics().lineSpacing() + 10);
    explain_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameGroup);
    layout->addLayout(rules, 1);
    layout->addWidget(explain_);
    layout->addLayout(buttons);
}

QWidget *frmAddGame::buildFirstPage()
{
    auto *page = new QWidget(this);
    auto *goalGroup = new QGroupBox(QStringLiteral("Foundation"), page);
    auto *goal = new QFormLayout(goalGroup);
    goal->addRow(QStringLiteral("Foundation Card Arranging Order"), gOrder_);
    goal->addRow(QStringLiteral("Foundation Base Card"), gBase_);
    goal->addRow(QStringLiteral("Initial Cards on Foundation"), gCards_);

    auto *homeGroup = new QGroupBox(QStringLiteral("Tableau"), page);
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

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(goalGroup);
    layout->addWidget(homeGroup);
    layout->addStretch(1);
    return page;
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
    fillCodes(*hPiles_, kMinPiles, kMaxPiles, nullptr, preset.hPiles);
    hAk_->setChecked(preset.hAk == 1);
    hMulti_->setChecked(preset.hMulti == 1);
    fillStartFrom(*startFrom_, ctx_.data);
}

void frmAddGame::connectChanges()
{
    for (QComboBox *combo : {gOrder_, gBase_, gCards_, hOrder_, hSpace_, hPiles_})
        connect(combo, &QComboBox::currentIndexChanged, this, &frmAddGame::rulesChanged);
    for (QCheckBox *box : {hAk_, hMulti_})
        connect(box, &QCheckBox::toggled, this, &frmAddGame::rulesChanged);
    connect(more_, &MoreRulesPage::changed, this, &frmAddGame::rulesChanged);
    connect(startFrom_, &QComboBox::activated, this, &frmAddGame::startFrom);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now))
            showExplanation(now);
    });
}

void frmAddGame::startFrom()
{
    GameRecord r;
    if (const QString problem = startRecord(*startFrom_, ctx_.custom, &r); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    showRecord(r);
}

void frmAddGame::showRecord(const GameRecord &r)
{
    showing_ = true;
    selectCode(*gOrder_, r.gOrder);
    selectCode(*gBase_, r.gBase);
    selectCode(*gCards_, r.gCards);
    selectCode(*hOrder_, r.hOrder);
    selectCode(*hSpace_, r.hSpace);
    selectCode(*hPiles_, r.hPiles);
    hAk_->setChecked(r.hAk == 1);
    hMulti_->setChecked(r.hMulti == 1);
    more_->showRecord(r);
    showing_ = false;
    rulesChanged();
}

void frmAddGame::rulesChanged()
{
    if (showing_)
        return;
    const GameRecord r = chosenRecord();
    more_->followEightValues(r);
    // A base set by the deal leaves the base card without effect.
    gBase_->setEnabled(!r.baseFromDeal);

    const QString problem = QString::fromLatin1(recordProblem(r));
    showTable(r, problem.isEmpty());
    problem_->setText(problem.isEmpty() ? QString() : QStringLiteral("These rules cannot be played: %1.").arg(problem));
    problem_->setVisible(!problem.isEmpty());

    for (QWidget *w : findChildren<QWidget *>())
        if (const QString sentence = explanationOf(*w); !sentence.isEmpty())
            w->setToolTip(sentence);
    if (QWidget *focused = focusWidget(); focused && isAncestorOf(focused))
        showExplanation(focused);
}

void frmAddGame::showTable(const GameRecord &r, bool playable)
{
    // The table's own layout of the record, so the picture shows what play
    // will show; rules the engine cannot deal show their empty places only.
    cGames games;
    cCustom(ctx_.data, games).ApplyRecord(r);
    if (!playable) {
        picture_->showTable(games, nullptr);
        return;
    }
    const DealtGame dealt = dealtGame(games, kPictureDeal, false);
    picture_->showTable(games, &dealt.position);
}

void frmAddGame::showExplanation(QWidget *focused)
{
    const QString sentence = explanationOf(*focused);
    if (!sentence.isEmpty())
        explain_->setText(sentence);
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
    more_->addTo(r);
    return r;
}

void frmAddGame::addGame()
{
    const QString name = cleanGameName(name_->text());
    if (const QString problem = gameNameProblem(name); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    const GameRecord record = chosenRecord();
    // Only a game the engine can deal and play is written.
    if (const char *problem = recordProblem(record); *problem) {
        showError(QStringLiteral("The game cannot be saved: %1. Please change these rules.")
                      .arg(QString::fromLatin1(problem)));
        return;
    }
    if (QFile::exists(ctx_.custom.gameFilePath(name)) &&
        !ask(QStringLiteral("Game Exists. Do you want to Overwrite ?")))
        return;
    // A failed write keeps the dialog open so the player can try again.
    if (const QString problem = ctx_.custom.SaveGame(name, record); !problem.isEmpty()) {
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
