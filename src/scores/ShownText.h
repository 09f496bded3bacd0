#pragma once
// Names and paths from files and folders as a message may show them.
#include <QString>
#include <QStringList>

namespace cardova {

// The text with every control character and line separator written as an
// escape ("\x1B", "\u2028"): a damaged or hostile name must neither break a
// message into pieces nor drive a terminal. Other text is unchanged.
QString escapeControls(const QString &text);
// escapeControls of each, joined by ", ".
QString escapedList(const QStringList &texts);

} // namespace cardova
