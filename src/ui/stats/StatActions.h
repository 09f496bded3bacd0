#pragma once
// "Export Statistics" and "Clear Statistics", shared by the customise dialog
// and the game statistics: the questions, the file choice and the messages
// go through hooks that tests replace.
#include <QString>
#include <functional>

class QWidget;

namespace cardova {
class GameContext;
}

namespace cardova::ui {

struct StatHooks {
    std::function<bool(const QString &question)> ask;
    std::function<void(const QString &message)> inform;
    std::function<QString()> chooseExportFile;
    // Message boxes and the save-file dialog over `parent`, titled `title`.
    // The question answers No unless Yes is chosen.
    static StatHooks boxes(QWidget *parent, const QString &title);
};

// Asks for a file, writes every player's games to it and says how it went.
// What the store had loaded stays loaded.
void ExportStatistics(GameContext &ctx, const StatHooks &hooks);
// Asks, then deletes every player's score file. True when the player said
// Yes, so that what is shown has to be read again.
bool ClearStatistics(GameContext &ctx, const StatHooks &hooks);

} // namespace cardova::ui
