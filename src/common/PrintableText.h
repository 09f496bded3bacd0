#pragma once
#include <QString>
#include <QStringList>

namespace cardova {

// The text with every character that would not show as itself in a message
// (control characters, line and paragraph separators, direction overrides)
// written as an escape: "\x07", "\u202E". Text read from a damaged file can
// then be shown to the player without ringing bells or reordering the line.
QString printableText(const QString &text);
// printableText of each, joined by ", ".
QString printableList(const QStringList &texts);

} // namespace cardova
