#pragma once
#include <QString>

namespace cardova {

class cScore;

// Writes the score board of the records loaded in the store: title, creator,
// general, player, game and full statistics, each line ended by CR LF. The
// file is replaced only once it has been written completely; on failure the
// old file stays and error says why.
bool writeStatFile(const cScore &scores, const QString &path, QString *error = nullptr);

} // namespace cardova
