#include "ui/dialogs/ChooserLists.h"

#include "settings/cData.h"

#include <QComboBox>

namespace cardova::ui {

void fillPlayers(QComboBox &combo, const cData &data, const QIcon &icon)
{
    combo.clear();
    for (int16_t i = 1; i <= data.TotalPlayers(); ++i)
        combo.addItem(icon, data.GetPlayer(i));
}

void fillGames(QComboBox &combo, const cData &data, const QIcon &icon)
{
    combo.clear();
    for (int16_t i = 1; i <= data.TotalGames(); ++i)
        combo.addItem(icon, data.GetGName(i));
}

bool selectText(QComboBox &combo, const QString &text)
{
    const int index = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo.setCurrentIndex(index);
    return true;
}

} // namespace cardova::ui
