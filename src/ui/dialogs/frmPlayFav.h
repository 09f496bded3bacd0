#pragma once
// Play from Favorites: choose a game, then one of its saved deals, and play
// it.
#include "ui/dialogs/DialogMessage.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTreeWidget;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class frmPlayFav : public QDialog {
    Q_OBJECT
public:
    explicit frmPlayFav(GameContext &ctx, QWidget *parent = nullptr);

    // Lists the loaded favourites of one game in `lvFav` and selects the
    // last of them; "Play" is enabled only when there is one.
    void UpdateLVFav(const QString &game);

    // Where a deal that cannot be started is reported; a box by default.
    MessageFn showMessage;

private:
    void buildLayout();
    void play();

    GameContext &ctx_;
    QComboBox *games_;
    QTreeWidget *favs_;
    QPushButton *play_;
    QPushButton *cancel_;
};

} // namespace cardova::ui
