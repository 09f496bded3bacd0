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
    static StatHooks boxes(QWidget *parent, const QString &title);
};

// Asks for a file, writes every player's games to it and says how it went.
void ExportStatistics(GameContext &ctx, const StatHooks &hooks);
// Asks, then deletes every player's score file.
void ClearStatistics(GameContext &ctx, const StatHooks &hooks);

} // namespace cardova::ui
