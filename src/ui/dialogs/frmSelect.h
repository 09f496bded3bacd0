#pragma once
// The game selection dialog: every game in a tree, standard and custom games
// apart and the classics not added yet under a heading of their own, a
// summary of the selected game's rules, the players, and "Play", which starts
// the chosen game with a random number (adding a classic first).
#include "ui/dialogs/DialogMessage.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class RulesPanel;
struct RulesTexts;

class frmSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmSelect(GameContext &ctx, QWidget *parent = nullptr);

    // Where messages go (a game that cannot be started); a box by default.
    MessageFn showMessage;
    // Deals the chosen game with a random number the window's way (which
    // may wait for a winnable one); unset, the game is dealt here at once.
    std::function<void(const QString &game)> dealRandom;
    // Turns on "Create a New Game": it closes this dialog, then opens the
    // games wizard through `openWizard`.
    void setCreateGame(std::function<void()> openWizard);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void fillTree();
    void nodeChanged(QTreeWidgetItem *item);
    // The rules texts of a game node.
    RulesTexts rulesOf(const QTreeWidgetItem *item) const;
    // Makes the window as tall as the longest rules of the listed games
    // need, so the buttons stay put whichever game is chosen.
    void reserveRulesHeight();
    void play();
    // The selected game's name; empty while a group node is selected.
    QString selectedGame() const;
    // True while the selected node is a classic not added yet.
    bool classicSelected() const;
    // Adds the selected classic to the designed games; false, after telling
    // the player why, when it could not be added.
    bool addSelectedClassic();

    GameContext &ctx_;
    QTreeWidget *tree_;
    QComboBox *players_;
    RulesPanel *rules_;
    QPushButton *play_;
    QPushButton *cancel_;
    QPushButton *create_;
    QLabel *classicNote_;
    QTreeWidgetItem *standardRoot_ = nullptr;
    QTreeWidgetItem *customRoot_ = nullptr;
    QTreeWidgetItem *classicRoot_ = nullptr; // absent when every classic is added
    bool heightReserved_ = false;
};

} // namespace cardova::ui
