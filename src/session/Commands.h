#pragma once

namespace cardova {

class GameContext;

// The game commands of the main window and the replay timers, each one player
// action: they do nothing while no game runs.
bool CmdUndo(GameContext &ctx);
bool CmdRedo(GameContext &ctx);
void CmdUndoAll(GameContext &ctx);
void CmdRedoAll(GameContext &ctx);
// "Autoplay": switches the setting; switching it on runs a pass at once.
void CmdToggleAutoplay(GameContext &ctx);

// Replay: one step forwards or backwards at the replay speed; false when
// nothing was left in that direction (the timer then stops).
bool ReplayForwardStep(GameContext &ctx);
bool ReplayBackwardStep(GameContext &ctx);
// Rewinds quickly to the start before a full replay.
void ReplayRewind(GameContext &ctx);

} // namespace cardova
