#pragma once
// The player slots 1..20 as the players dialog changes them: adding,
// renaming and deleting names while the slots stay gap-free.
#include <QString>
#include <cstdint>

namespace cardova {
class cData;
class cScore;
}

namespace cardova::ui {

// The message when the player list is full.
QString fullPlayersText();

// The first slot 1..20 holding exactly `name`; 0 when none does.
int16_t playerSlot(const cData &data, const QString &name);

// Stores a typed name: a new player when `oldName` is empty, else the player
// `oldName` renamed (keeping them current if they were) together with their
// score file. An unchanged name is accepted and changes nothing. Returns the
// message to show when the name is refused, else an empty text. Names are
// kept as typed, blanks included.
QString storePlayerName(cData &data, const cScore &scores, const QString &oldName, const QString &name);

// Moves the score file at `from` to `to` for the player's new name. Refuses
// when `to` exists already, since those scores belong to someone else.
// Returns the message to show when it does not move, else an empty text.
QString moveScoreFile(const QString &from, const QString &to, const QString &newName);

// Moves every name after an empty slot down by one, so the players fill
// slots 1..TotalPlayers again.
void compactPlayers(cData &data);

// Empties the first slot holding `name` and closes the gap.
void removePlayer(cData &data, const QString &name);

} // namespace cardova::ui
