#pragma once
// The choice lists of the create dialog: each entry shows a text and carries
// the record value it stands for.
#include <QString>

class QComboBox;

namespace cardova::ui {

using CodeText = QString (*)(int code);

// Fills `combo` with the codes from..to, shown through `text` (the number
// itself when `text` is null), and selects `preset`.
void fillCodes(QComboBox &combo, int from, int to, CodeText text, int preset);

// The value carried by the selected entry.
int selectedCode(const QComboBox &combo);

} // namespace cardova::ui
