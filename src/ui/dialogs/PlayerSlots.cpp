#include "ui/dialogs/PlayerSlots.h"

#include "settings/cData.h"

namespace cardova::ui {

QString fullPlayersText() { return QStringLiteral("Maximum 20 Players Only!"); }

int16_t playerSlot(const cData &data, const QString &name)
{
    for (int16_t slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(slot) == name)
            return slot;
    return 0;
}

QString storePlayerName(cData &data, const QString &oldName, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Please Enter a Valid Name");
    // The player being renamed counts too: an unchanged name is refused.
    if (playerSlot(data, name) != 0)
        return QStringLiteral("Player Exists !");
    if (!oldName.isEmpty()) {
        const int16_t slot = playerSlot(data, oldName);
        if (slot == 0)
            return {}; // the player went meanwhile; nothing left to rename
        const bool wasCurrent = data.CurPlayer() == oldName;
        data.SetPlayer(slot, name, false);
        if (wasCurrent)
            data.SetCurPlayer(name);
        return {};
    }
    const int16_t free = playerSlot(data, QString());
    if (free == 0)
        return fullPlayersText();
    data.SetPlayer(free, name, false);
    return {};
}

void compactPlayers(cData &data)
{
    for (int16_t a = 1; a <= kMaxPlayers; ++a) {
        const QString next = data.GetPlayer(int16_t(a + 1)); // empty beyond slot 20
        if (data.GetPlayer(a).isEmpty() && !next.isEmpty()) {
            data.SetPlayer(a, next, false);
            data.SetPlayer(int16_t(a + 1), QString(), false);
        }
    }
}

void removePlayer(cData &data, const QString &name)
{
    const int16_t slot = playerSlot(data, name);
    if (slot == 0)
        return;
    data.SetPlayer(slot, QString(), false);
    compactPlayers(data);
}

} // namespace cardova::ui
