#include "ui/dialogs/PlayerSlots.h"

#include "scores/cScore.h"
#include "settings/cData.h"

#include <QFile>
#include <QFileInfo>

namespace cardova::ui {

QString fullPlayersText() { return QStringLiteral("Maximum 20 Players Only!"); }

int16_t playerSlot(const cData &data, const QString &name)
{
    for (int16_t slot = 1; slot <= kMaxPlayers; ++slot)
        if (data.GetPlayer(slot) == name)
            return slot;
    return 0;
}

QString moveScoreFile(const QString &from, const QString &to, const QString &newName)
{
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink())
        return QStringLiteral("Scores are already kept under the name \"%1\". Please choose another name.")
            .arg(newName);
    if (!QFileInfo::exists(from))
        return {}; // a player who never played has no file to move
    QFile file(from);
    if (!file.rename(to))
        return QStringLiteral("The scores could not be moved to the new name (%1), so the player keeps the old name.")
            .arg(file.errorString());
    return {};
}

namespace {
QString renamePlayer(cData &data, const cScore &scores, const QString &oldName, const QString &name)
{
    const int16_t slot = playerSlot(data, oldName);
    if (slot == 0)
        return {}; // the player went meanwhile; nothing left to rename
    // The scores go with the name: left behind, the renamed player would have
    // none and a later player of the old name would inherit them.
    const QString refusal = moveScoreFile(scores.scoreFilePath(oldName), scores.scoreFilePath(name), name);
    if (!refusal.isEmpty())
        return refusal;
    const bool wasCurrent = data.CurPlayer() == oldName;
    data.SetPlayer(slot, name, false);
    if (wasCurrent)
        data.SetCurPlayer(name);
    return {};
}
} // namespace

QString storePlayerName(cData &data, const cScore &scores, const QString &oldName, const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Please Enter a Valid Name");
    const bool renaming = !oldName.isEmpty();
    if (renaming && name == oldName)
        return {}; // confirmed as it was
    if (playerSlot(data, name) != 0)
        return QStringLiteral("Player Exists !");
    if (renaming)
        return renamePlayer(data, scores, oldName, name);
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
