#pragma once
// Small pictures of the game-choosing and score dialogs, drawn here so that
// the dialogs need no image files: the window icon, the group and game
// entries of the game tree, and the player entries of the player lists.
#include <QIcon>

class QWidget;

namespace cardova::ui {

// The application's own icon when one has been set, else a drawn card.
QIcon windowIconImage();
// A closed folder: the "Standard Games" and "Custom Games" groups.
QIcon groupImage();
// A small fanned pair of cards: one game.
QIcon gameImage();
// A head and shoulders: one player.
QIcon playerImage();

// Gives a dialog the shared window icon.
void applyWindowIcon(QWidget &dialog);

} // namespace cardova::ui
