#pragma once
#include <QString>

namespace cardova {

// Turns a player or game name into a file name that stays inside the data
// folder. Ordinary names come back unchanged; path separators, "..", control
// characters, characters other systems forbid, a leading dot, trailing dots or
// blanks and "%" itself become "%XX" (UTF-8 bytes in hex), so the mapping can
// be undone by nameFromFileName.
QString fileNameForName(const QString &name);
QString nameFromFileName(const QString &fileName);

} // namespace cardova
