#pragma once
// The readers of each version of the kept game's text, after its first line.
#include "session/SavedGameFormat.h"
#include "session/SavedGameLines.h"

namespace cardova::savedgame {

// Sets `why` and gives nothing: the common way out of a reader.
std::nullopt_t refuse(QString *why, const char *reason);

std::optional<SavedGame> readVersion1(Lines &in, QString *why);
std::optional<SavedGame> readVersion2(Lines &in, QString *why);
std::optional<SavedGame> readVersion3(Lines &in, QString *why);

// The chunks after the lines that name the game, onto `head`: the game of
// the last whole chunk.
std::optional<SavedGame> readChunks(Lines &in, SavedGame head, QString *why);

} // namespace cardova::savedgame
