#pragma once

namespace cardova::ui {

class frmMain;

// Connects the main window's dialog commands to the dialogs and the
// finished-game dialog to the winning move.
void wireDialogs(frmMain &window);
// The game selection as the program opens it at start: not modal.
void showStartSelection(frmMain &window);

} // namespace cardova::ui
