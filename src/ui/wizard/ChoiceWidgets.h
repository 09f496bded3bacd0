#pragma once
// The lists and check boxes the create dialog's pages are made of, named
// so that tests and the explanations find them.
#include <QString>

class QCheckBox;
class QComboBox;
class QWidget;

namespace cardova::ui {

// A list at least `width` characters wide; its open list shows every entry
// whole, so a narrow list keeps the picture beside the rules room.
QComboBox *choiceList(QWidget *parent, const char *objectName, int width);

QCheckBox *choiceBox(QWidget *parent, const char *objectName, const QString &text);

} // namespace cardova::ui
