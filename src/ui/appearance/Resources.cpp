#include "ui/appearance/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initCardovaResources() { Q_INIT_RESOURCE(cardova); }

namespace cardova::ui {

void ensureResources()
{
    static const bool done = (initCardovaResources(), true);
    (void)done;
}

} // namespace cardova::ui
