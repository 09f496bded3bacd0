#pragma once

namespace cardova {

class GameContext;

// Undoes moves, as one command, until the log stands at logPos (an earlier
// position of it). False when no game runs or nothing lies that far back;
// the moves undone stay in the log for Redo.
bool CmdUndoTo(GameContext &ctx, int logPos);

} // namespace cardova
