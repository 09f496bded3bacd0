#include "ui/wizard/MoreRulesPage.h"

#include "ui/wizard/ChoiceWidgets.h"
#include "ui/wizard/RecordChoices.h"
#include "ui/wizard/RuleChoiceTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>

#include <algorithm>

namespace cardova::ui {

namespace {
// Characters a list shows before its open list shows the whole entry: the
// page stays narrow enough to leave the picture beside it room.
constexpr int kListWidth = 11;

// Each entry of a deal or move list explains itself when the list is open.
void explainEntries(QComboBox &combo, QString (*sentence)(int code))
{
    for (int i = 0; i < combo.count(); ++i)
        combo.setItemData(i, sentence(combo.itemData(i).toInt()), Qt::ToolTipRole);
}

QString dealSentence(int code) { return dealExplanation(DealPattern(code)); }
QString movesSentence(int code) { return movesExplanation(TableauMoves(code)); }
} // namespace

MoreRulesPage::MoreRulesPage(QWidget *parent)
    : QWidget(parent), noStock_(choiceBox(this, "chkNoStock", QStringLiteral("No Stock (every card dealt)"))),
      draw_(choiceList(this, "imcDraw", kListWidth)), redeals_(choiceList(this, "imcRedeals", kListWidth)),
      deal_(choiceList(this, "imcDeal", kListWidth)), rowCards_(choiceList(this, "imcRowCards", kListWidth)),
      baseFromDeal_(choiceBox(this, "chkBaseFromDeal", QStringLiteral("Dealt Card Sets the Base"))),
      cells_(choiceList(this, "imcCells", kListWidth)), cellCards_(choiceList(this, "imcCellCards", kListWidth)),
      reserve_(choiceList(this, "imcReserve", kListWidth)),
      reserveFills_(choiceBox(this, "chkReserveFills", QStringLiteral("Reserve Fills Spaces"))),
      moves_(choiceList(this, "imcMoves", kListWidth))
{
    buildLayout();
    fillChoices();
    updateEnabled();

    const auto changedNow = [this] {
        updateEnabled();
        Q_EMIT changed();
    };
    for (QComboBox *combo : {draw_, redeals_, deal_, rowCards_, cellCards_, reserve_, moves_})
        connect(combo, &QComboBox::currentIndexChanged, this, changedNow);
    for (QCheckBox *box : {noStock_, baseFromDeal_, reserveFills_})
        connect(box, &QCheckBox::toggled, this, changedNow);
    connect(cells_, &QComboBox::currentIndexChanged, this, [this, changedNow] {
        fitCellCards();
        changedNow();
    });
}

void MoreRulesPage::buildLayout()
{
    auto *stockGroup = new QGroupBox(QStringLiteral("Stock"), this);
    auto *stock = new QFormLayout(stockGroup);
    stock->addRow(noStock_);
    stock->addRow(QStringLiteral("Cards per Turn"), draw_);
    stock->addRow(QStringLiteral("Turn-backs"), redeals_);

    auto *dealGroup = new QGroupBox(QStringLiteral("Deal"), this);
    auto *deal = new QFormLayout(dealGroup);
    deal->addRow(QStringLiteral("Pattern"), deal_);
    deal->addRow(QStringLiteral("Cards per Pile"), rowCards_);
    deal->addRow(baseFromDeal_);

    auto *cellGroup = new QGroupBox(QStringLiteral("Free Cells and Reserve"), this);
    auto *cells = new QFormLayout(cellGroup);
    cells->addRow(QStringLiteral("Free Cells"), cells_);
    cells->addRow(QStringLiteral("Dealt to Cells"), cellCards_);
    cells->addRow(QStringLiteral("Reserve Cards"), reserve_);
    cells->addRow(reserveFills_);

    auto *moveGroup = new QGroupBox(QStringLiteral("Moving Cards"), this);
    auto *moves = new QFormLayout(moveGroup);
    moves->addRow(QStringLiteral("Moves"), moves_);

    // Two columns keep the page as short as the first one.
    auto *grid = new QGridLayout(this);
    grid->addWidget(stockGroup, 0, 0);
    grid->addWidget(dealGroup, 0, 1);
    grid->addWidget(cellGroup, 1, 0);
    grid->addWidget(moveGroup, 1, 1);
    grid->setRowStretch(2, 1);
}

void MoreRulesPage::fillChoices()
{
    using namespace RecordLimits;
    const GameRecord preset;
    noStock_->setChecked(!preset.stock);
    fillCodes(*draw_, 1, kMaxDraw, nullptr, preset.draw);
    fillCodeList(*redeals_, {0, 1, kMaxRedeals, kUnlimitedRedeals}, redealsText, preset.redeals);
    fillCodes(*deal_, 0, kDealPatternCount - 1, dealText, int(preset.deal));
    explainEntries(*deal_, dealSentence);
    fillCodes(*rowCards_, 0, kMaxRowCards, rowCardsText, preset.rowCards);
    baseFromDeal_->setChecked(preset.baseFromDeal);
    fillCodes(*cells_, 0, kMaxCells, nullptr, preset.cells);
    fitCellCards();
    selectCode(*cellCards_, preset.cellCards);
    fillCodes(*reserve_, 0, kMaxReserveCards, reserveText, preset.reserveCards);
    reserveFills_->setChecked(preset.reserveFills);
    fillCodes(*moves_, 0, kTableauMovesCount - 1, movesText, int(preset.moves));
    explainEntries(*moves_, movesSentence);
}

void MoreRulesPage::fitCellCards()
{
    const int cells = std::max(0, selectedCode(*cells_));
    const int kept = std::min(selectedCode(*cellCards_), cells);
    const QSignalBlocker quiet(cellCards_);
    fillCodes(*cellCards_, 0, cells, nullptr, kept);
}

void MoreRulesPage::showRecord(const GameRecord &r)
{
    {
        // One change signal for the whole record, not one per control.
        const QSignalBlocker quiet(this);
        noStock_->setChecked(!r.stock);
        selectCode(*draw_, r.draw);
        selectCode(*redeals_, r.redeals);
        selectCode(*deal_, int(r.deal));
        selectCode(*rowCards_, r.rowCards);
        baseFromDeal_->setChecked(r.baseFromDeal);
        selectCode(*cells_, r.cells); // refits the cell-deal list
        fitCellCards();
        selectCode(*cellCards_, r.cellCards);
        selectCode(*reserve_, r.reserveCards);
        reserveFills_->setChecked(r.reserveFills);
        selectCode(*moves_, int(r.moves));
    }
    updateEnabled();
    Q_EMIT changed();
}

void MoreRulesPage::addTo(GameRecord &r) const
{
    r.stock = !noStock_->isChecked();
    r.draw = int16_t(selectedCode(*draw_));
    r.redeals = int16_t(selectedCode(*redeals_));
    r.deal = DealPattern(selectedCode(*deal_));
    r.rowCards = r.deal == DealPattern::Rows ? int16_t(selectedCode(*rowCards_)) : int16_t(0);
    r.baseFromDeal = baseFromDeal_->isChecked() && r.gCards == 0;
    r.cells = int16_t(selectedCode(*cells_));
    r.cellCards = int16_t(std::min(selectedCode(*cellCards_), int(r.cells)));
    r.reserveCards = int16_t(selectedCode(*reserve_));
    r.reserveFills = reserveFills_->isChecked() && r.reserveCards > 0;
    r.moves = TableauMoves(selectedCode(*moves_));
}

void MoreRulesPage::followEightValues(const GameRecord &eight)
{
    multi_ = eight.hMulti == 1;
    initialCards_ = eight.gCards != 0;
    updateEnabled();
}

void MoreRulesPage::updateEnabled()
{
    const bool stock = !noStock_->isChecked();
    draw_->setEnabled(stock);
    redeals_->setEnabled(stock);
    rowCards_->setEnabled(selectedCode(*deal_) == int(DealPattern::Rows));
    baseFromDeal_->setEnabled(!initialCards_);
    cellCards_->setEnabled(selectedCode(*cells_) > 0);
    reserveFills_->setEnabled(selectedCode(*reserve_) > 0);
    moves_->setEnabled(multi_);
}

} // namespace cardova::ui
