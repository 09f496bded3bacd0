#pragma once
// Organize Favorites: the favourites listed game by game, and one button
// that deletes them all.
#include "ui/dialogs/DialogQuestion.h"

#include <QDialog>

class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmOrgFav : public QDialog {
    Q_OBJECT
public:
    explicit frmOrgFav(GameContext &ctx, QWidget *parent = nullptr);

    // Lists the loaded favourites of one game in `lvFav`.
    void UpdateLVFav(const QString &game);

    // Where a favourites file that cannot be deleted is reported; a box by
    // default.
    MessageFn showMessage;
    // Asked before every favourite is deleted; a box answering No unless
    // Yes is chosen by default.
    AskFn askClear;

private:
    void buildLayout();
    void fillGames();
    void gameClicked(QTreeWidgetItem *item);
    void clearFavourites();
    // "Clear Favorites" is usable while any favourite is loaded.
    void updateClearButton();

    GameContext &ctx_;
    QTreeWidget *games_;
    QTreeWidget *favs_;
    QPushButton *clear_;
    QPushButton *close_;
    QTimer *timer_;
};

} // namespace cardova::ui
