#pragma once
// The create dialog's page of the rules beyond the eight classic values:
// the stock, the deal, free cells and reserve, and how runs move. Its
// preselection is the record's defaults, so a player who leaves it alone
// designs a game of the eight values only.
#include "rules/GameRecord.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace cardova::ui {

class MoreRulesPage : public QWidget {
    Q_OBJECT
public:
    explicit MoreRulesPage(QWidget *parent = nullptr);

    // Shows the rules of `record` beyond its eight values.
    void showRecord(const GameRecord &record);
    // Writes the page's rules into `record`, whose eight values are already
    // chosen: a choice that is switched off (greyed) does not count.
    void addTo(GameRecord &record) const;
    // Greys what the eight values leave without effect: the move rule when
    // only single cards move, a dealt base beside initial foundation cards.
    void followEightValues(const GameRecord &eight);

Q_SIGNALS:
    void changed();

private:
    void buildLayout();
    void fillChoices();
    // Offers as many cells for the deal as there are cells.
    void fitCellCards();
    void updateEnabled();

    QCheckBox *noStock_;
    QComboBox *draw_, *redeals_;
    QComboBox *deal_, *rowCards_;
    QCheckBox *baseFromDeal_;
    QComboBox *cells_, *cellCards_, *reserve_;
    QCheckBox *reserveFills_;
    QComboBox *moves_;
    bool multi_ = true;           // the eight values let runs move
    bool initialCards_ = false;   // the eight values put cards on the foundations
};

} // namespace cardova::ui
