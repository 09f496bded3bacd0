#pragma once
// The create dialog of the games wizard: the player names a game, chooses
// its rules from lists (the eight classic values on the first page, the
// stock, deal, cells, reserve and moves on the second), sees the table it
// deals, and saves it as a game file.
#include "rules/GameRecord.h"
#include "ui/dialogs/DialogQuestion.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class LayoutPicture;
class MoreRulesPage;

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
    // Sets every control to the rules of `record`.
    void showRecord(const GameRecord &record);

private:
    void buildLayout();
    QWidget *buildFirstPage();
    void FillChoices();
    void connectChanges();
    void startFrom();
    // Follows a changed choice: what is greyed, the picture, the problem.
    void rulesChanged();
    void showTable(const GameRecord &record, bool playable);
    void showExplanation(QWidget *focused);
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
    QComboBox *startFrom_;
    QTabWidget *pages_;
    MoreRulesPage *more_;
    LayoutPicture *picture_;
    QLabel *problem_; // why the chosen rules cannot be played
    QLabel *explain_; // what the focused choice does
    bool showing_ = false; // a whole record is being shown
};

} // namespace cardova::ui
