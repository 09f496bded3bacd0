#pragma once
// Filling the game and player choosers shared by the dialogs.
#include <QIcon>
#include <QString>

class QComboBox;

namespace cardova {
class cData;
}

namespace cardova::ui {

// Players 1..TotalPlayers in player order.
void fillPlayers(QComboBox &combo, const cData &data, const QIcon &icon);
// Games 1..TotalGames in catalogue order.
void fillGames(QComboBox &combo, const cData &data, const QIcon &icon);
// Selects the entry whose text equals `text` exactly; false when there is none
// (the selection is then left as it was).
bool selectText(QComboBox &combo, const QString &text);

} // namespace cardova::ui
