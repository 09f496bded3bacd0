#pragma once
#include <QString>

namespace cardova::ui {

class frmMain;

// Connects the main window's dialog commands to the dialogs and the
// finished-game dialog to the winning move.
void wireDialogs(frmMain &window);
// The program's name, version and icon as the desktop shows them. Every
// caption carries the product name already, so no display name is set:
// some platforms would add it to each window title a second time.
void setUpApplication(const QString &version);
// The game selection as the program opens it at start: not modal.
void showStartSelection(frmMain &window);

} // namespace cardova::ui
