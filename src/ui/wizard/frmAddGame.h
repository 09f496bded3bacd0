#pragma once
// The create dialog of the games wizard: the player names a game, chooses
// its eight rule values from lists and saves it as a game file.
#include "rules/GameRecord.h"
#include "ui/dialogs/DialogQuestion.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmAddGame : public QDialog {
    Q_OBJECT
public:
    explicit frmAddGame(GameContext &ctx, QWidget *parent = nullptr);

    // Replaceable so that tests read and answer instead of waiting on boxes.
    MessageFn showMessage; // information: the game was saved
    MessageFn showError;   // error icon: a refused name, a failed write
    AskFn ask;             // the Yes/No question before overwriting

    // The record the controls describe now.
    GameRecord chosenRecord() const;

private:
    void buildLayout();
    void FillChoices();
    void addGame();
    // Puts a newly saved name at the end of the game-name table.
    void registerName(const QString &name);

    GameContext &ctx_;
    QLineEdit *name_;
    QComboBox *gOrder_, *gBase_, *gCards_;
    QComboBox *hOrder_, *hSpace_, *hPiles_;
    QCheckBox *hAk_, *hMulti_;
    QPushButton *add_;
    QPushButton *cancel_;
};

} // namespace cardova::ui
