#include "ui/windows/AppWiring.h"

#include "ui/windows/frmMain.h"

namespace cardova::ui {

void wireDialogs(frmMain &window)
{
    (void)window; // the dialogs arrive with their own change
}

} // namespace cardova::ui
