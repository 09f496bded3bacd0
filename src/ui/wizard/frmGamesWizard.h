#pragma once
// The games wizard: lists the designed games, shows the rules of the
// selected one, and adds (through the create dialog) and deletes games.
// The standard games are never listed, so they cannot be changed.
#include "ui/dialogs/DialogQuestion.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class RulesPanel;
class frmAddGame;

class frmGamesWizard : public QDialog {
    Q_OBJECT
public:
    explicit frmGamesWizard(GameContext &ctx, QWidget *parent = nullptr);

    // Replaceable so that tests read and answer instead of waiting on boxes.
    MessageFn showError; // a game file that could not be deleted
    AskFn ask;           // the Yes/No question before deleting
    // Shows the prepared create dialog and returns when it is closed; runs
    // it modally by default. Tests type and press its buttons instead.
    std::function<void(frmAddGame &)> runAddGame;

private:
    void buildLayout();
    void RefreshList();
    void ShowDetails(const QString &gName);
    void addGame();
    void deleteGame();

    GameContext &ctx_;
    QListWidget *list_;
    RulesPanel *details_;
    QPushButton *add_;
    QPushButton *delete_;
    QPushButton *close_;
    QLabel *empty_; // a hint in place of the details while nothing is listed
};

} // namespace cardova::ui
