#pragma once
// Windows that come back where the player left them.
#include <QRect>

class QWidget;

namespace cardova {
class cData;
}

namespace cardova::ui {

// Puts the window where it stood when it was last hidden (size, place,
// maximised or full screen) and remembers it again each time it is hidden.
// A place that lies off every screen now (a monitor removed) is not used:
// the window keeps its saved size, fitted to the screen, and opens centred.
// Call it before the window is first shown. The window's objectName names
// the entry.
void rememberGeometry(QWidget &window, cData &data);

// True if enough of the frame lies on some screen to be grabbed there.
bool frameIsOnAScreen(const QRect &frame);

} // namespace cardova::ui
