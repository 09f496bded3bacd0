#pragma once
#include <QString>

namespace cardova {

// Turns a player or game name into a file name that stays inside the data
// folder. Ordinary names come back unchanged; path separators, "..", control
// characters, characters other systems forbid, a leading dot, trailing dots or
// blanks and "%" itself become "%XX" (UTF-8 bytes in hex), so the mapping can
// be undone by nameFromFileName.
//
// A name whose escaped form would not fit in one file-name component (with
// the extension the data files carry) is cut short and ends in "%~" and a
// hash of the whole name. No escaped name contains "%~", and the hash tells
// long names with the same beginning apart; such a file name no longer gives
// back the name (see fileNameKeepsName).
QString fileNameForName(const QString &name);
QString nameFromFileName(const QString &fileName);

// True when nameFromFileName of the file name gives `name` back, that is
// when the name was not cut short to fit.
bool fileNameKeepsName(const QString &name);

} // namespace cardova
