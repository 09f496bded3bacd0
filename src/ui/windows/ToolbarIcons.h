#pragma once
#include <QIcon>
#include <QString>

namespace cardova::ui {

// The toolbar's pictures, drawn by the program: one per button identifier
// ("New", "Select", "Restart", "Autoplay", "Undo", "Redo", "Back",
// "ReplayStop", "Forward", "Statistics", "Help").
struct ToolbarIcons {
    static QIcon icon(const QString &key);
};

} // namespace cardova::ui
