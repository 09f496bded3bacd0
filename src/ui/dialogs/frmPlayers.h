#pragma once
// The players dialog: add, rename and delete players and choose the current
// one. Every change is written to the settings store at once.
#include "ui/dialogs/DialogQuestion.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class dlGInput;

class frmPlayers : public QDialog {
    Q_OBJECT
public:
    explicit frmPlayers(GameContext &ctx, QWidget *parent = nullptr);

    // Replaceable so that tests read and answer instead of waiting on boxes.
    MessageFn showMessage; // information: the list is full
    MessageFn showError;   // error icon: a refused name, a score file left
    AskFn ask;             // the Yes/No question before deleting
    // Shows the prepared name dialog and returns when it is closed; runs it
    // modally by default. Tests type and press its buttons instead.
    std::function<void(dlGInput &)> askName;

private:
    void buildLayout();
    void FillPlayers();
    void entryChanged(QTreeWidgetItem *item);
    void addPlayer();
    void editPlayer();
    void deletePlayer();
    void selectPlayer();
    // Opens the name dialog; `oldName` empty adds a player, else renames.
    void AskPlayerName(const QString &prompt, const QString &oldName);
    QString selectedName() const;

    GameContext &ctx_;
    QTreeWidget *list_;
    QPushButton *add_;
    QPushButton *edit_;
    QPushButton *delete_;
    QPushButton *select_;
    QPushButton *cancel_;
};

} // namespace cardova::ui
