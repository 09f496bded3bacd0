#pragma once
// A line above a statistics view that names the score files that could not
// be read: their games are missing from every figure below it.
#include <QStringList>

class QLabel;
class QWidget;

namespace cardova::ui {

// Hidden until showUnreadableNote gives it files; named "lblUnreadable".
QLabel *makeUnreadableNote(QWidget *parent);
void showUnreadableNote(QLabel *note, const QStringList &files);

} // namespace cardova::ui
