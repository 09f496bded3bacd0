// The current version: version 2 with the player and the game's record
// after the game's name and number.
#include "session/SavedGameReaders.h"

namespace cardova::savedgame {

std::optional<SavedGame> readVersion3(Lines &in, QString *why)
{
    const auto name = in.text("game");
    const auto no = in.text("number");
    const auto player = in.text("player");
    const auto rules = in.text("rules");
    if (!name || !no || !player || !rules)
        return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
    SavedGame head;
    head.gameName = QString::fromUtf8(*name);
    head.gameNumber = QString::fromUtf8(*no);
    head.player = QString::fromUtf8(*player);
    head.record = rulesOf(rules->split(' '));
    if (head.gameName.isEmpty() || !head.record)
        return refuse(why, "it is damaged");
    return readChunks(in, std::move(head), why);
}

} // namespace cardova::savedgame
