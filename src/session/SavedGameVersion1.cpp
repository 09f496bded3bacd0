// The first version: one state, the whole log, and "end".
#include "session/SavedGameReaders.h"

namespace cardova::savedgame {

std::optional<SavedGame> readVersion1(Lines &in, QString *why)
{
    SavedGame g;
    long long top = 0;
    const auto name = in.text("game");
    const auto no = in.text("number");
    const auto elapsed = in.words("elapsed", 1);
    const auto score = in.words("score", 1);
    const auto autoplay = in.words("autoplay", 2);
    const auto log = in.words("log", 2);
    const auto table = in.words("table", 1);
    if (!name || !no || !elapsed || !score || !autoplay || !log || !table)
        return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
    g.gameName = QString::fromUtf8(*name);
    g.gameNumber = QString::fromUtf8(*no);
    long long suppressed = 0;
    if (g.gameName.isEmpty() || !readInto(elapsed->at(0), 0, INT32_MAX, &g.elapsed) ||
        !readInto(score->at(0), INT16_MIN, INT16_MAX, &g.score) ||
        !readInto(autoplay->at(0), INT16_MIN, INT16_MAX, &g.autoplay) ||
        !number(autoplay->at(1), 0, 1, &suppressed) || !number(log->at(1), 0, cTrans::kMaxMoves, &top) ||
        !readInto(log->at(0), 0, top, &g.transPos) || !readHash(table->at(0), &g.tableHash))
        return refuse(why, "it is damaged");
    g.autoplaySuppressed = suppressed != 0;
    g.records.reserve(size_t(top));
    for (long long i = 0; i < top; ++i) {
        const auto w = in.words("move", kRecordWords);
        if (!w)
            return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
        const auto r = recordOf(*w);
        if (!r)
            return refuse(why, "it is damaged");
        g.records.push_back(*r);
    }
    if (!in.line("end"))
        return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
    if (!in.atEnd() || in.cutShort())
        return refuse(why, in.cutShort() ? "it was cut short" : "it is damaged");
    return g;
}

} // namespace cardova::savedgame
