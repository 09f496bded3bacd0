#pragma once
// The choice lists of the create dialog: each entry shows a text and carries
// the record value it stands for.
#include <QString>

#include <initializer_list>

class QComboBox;

namespace cardova::ui {

using CodeText = QString (*)(int code);

// Fills `combo` with the codes from..to, shown through `text` (the number
// itself when `text` is null), and selects `preset`.
void fillCodes(QComboBox &combo, int from, int to, CodeText text, int preset);

// The same for codes that are not a plain range, in the order given.
void fillCodeList(QComboBox &combo, std::initializer_list<int> codes, CodeText text, int preset);

// The value carried by the selected entry.
int selectedCode(const QComboBox &combo);

// Selects the entry carrying `code`; false (and the selection kept) when no
// entry carries it.
bool selectCode(QComboBox &combo, int code);

} // namespace cardova::ui
