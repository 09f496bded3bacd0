#pragma once
#include "settings/StartRequest.h"

#include <QString>
#include <functional>
#include <memory>

namespace cardova {
class GameContext;
}

namespace cardova::ui {

class Appearance;
class frmMain;
class frmSplash;

// Connects the main window's dialog commands to the dialogs and the
// finished-game dialog to the winning move.
void wireDialogs(frmMain &window);
// The program's name and version as the desktop shows them (its icon comes
// with the main window: ProgramStart::openMain). Every
// caption carries the product name already, so no display name is set:
// some platforms would add it to each window title a second time.
void setUpApplication(const QString &version);
// The game selection as the program opens it at start: not modal.
void showStartSelection(frmMain &window);

// How the program opens once its settings are read: the splash, then the
// main window with the game selection; or, when a game kept at the last
// close waits to be continued, the main window at once with that game. No
// message is shown while the splash is up. A game named on the command line
// comes at once too, without the splash and the selection.
class ProgramStart {
public:
    ProgramStart(GameContext &ctx, Appearance &art);
    ~ProgramStart();

    // What the command line asked for; set before begin().
    void setRequest(const StartRequest &request) { request_ = request; }
    void begin();
    // Brings the program's window to the front (a later start asked for it).
    void bringToFront();

    frmMain *mainWindow() const { return main_.get(); }
    frmSplash *splash() const { return splash_.get(); }
    // Told of the main window as soon as it exists, before it continues a
    // game or opens the selection (tests catch its messages here).
    std::function<void(frmMain &)> windowMade;

private:
    void openMain();
    // Starts the game the command line named; false when none was started
    // (the player has been told why).
    bool startRequested();

    GameContext &ctx_;
    Appearance &art_;
    StartRequest request_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<frmMain> main_;
};

} // namespace cardova::ui
