// The current version: the game's name and number, then chunks of records
// each closed by a state line; the last whole chunk is the game.
#include "session/SavedGameReaders.h"

namespace cardova::savedgame {

namespace {
constexpr int kStateWords = 8;

enum class ChunkEnd { Whole, Bad };

// The state line's words into `g`, checked against the records read.
bool readState(const QList<QByteArray> &w, size_t records, SavedGame *g)
{
    long long suppressed = 0;
    long long top = 0;
    if (!readInto(w[0], 0, INT32_MAX, &g->elapsed) || !readInto(w[1], INT16_MIN, INT16_MAX, &g->score) ||
        !readInto(w[2], INT16_MIN, INT16_MAX, &g->autoplay) || !number(w[3], 0, 1, &suppressed) ||
        !number(w[5], 0, cTrans::kMaxMoves, &top) || !readInto(w[4], 0, top, &g->transPos) ||
        !readHash(w[6], &g->tableHash))
        return false;
    g->autoplaySuppressed = suppressed != 0;
    return size_t(top) == records;
}

// One chunk onto `g`: its records, then its state. On a bad chunk `g` may
// hold part of it, so the caller keeps the game of the last whole chunk.
ChunkEnd readChunk(Lines &in, SavedGame *g)
{
    ChunkCheck check;
    while (in.nextIsWhole() && in.peek().startsWith("move ")) {
        const QByteArray line = in.peek();
        const auto w = in.words("move", kRecordWords);
        const auto r = w ? recordOf(*w) : std::nullopt;
        if (!r || g->records.size() >= size_t(cTrans::kMaxMoves))
            return ChunkEnd::Bad;
        g->records.push_back(*r);
        check.add(line);
        check.add('\n');
    }
    if (!in.nextIsWhole())
        return ChunkEnd::Bad;
    const QByteArray line = in.peek();
    const qsizetype lastBlank = line.lastIndexOf(' ');
    const auto w = in.words("state", kStateWords);
    uint64_t stored = 0;
    if (!w || !readHash(w->at(kStateWords - 1), &stored))
        return ChunkEnd::Bad;
    check.add(line.left(lastBlank));
    return stored == check.value() && readState(*w, g->records.size(), g) ? ChunkEnd::Whole : ChunkEnd::Bad;
}
} // namespace

std::optional<SavedGame> readVersion2(Lines &in, QString *why)
{
    const auto name = in.text("game");
    const auto no = in.text("number");
    if (!name || !no)
        return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
    SavedGame whole;
    whole.gameName = QString::fromUtf8(*name);
    whole.gameNumber = QString::fromUtf8(*no);
    if (whole.gameName.isEmpty())
        return refuse(why, "it is damaged");
    bool anyWhole = false;
    while (!in.atEnd()) {
        SavedGame next = whole;
        if (readChunk(in, &next) == ChunkEnd::Whole) {
            whole = std::move(next);
            anyWhole = true;
            continue;
        }
        // A bad chunk with no state line after it is an append that was
        // cut off: the game stands as its last whole chunk left it.
        if (in.aheadStartsWith("state"))
            return refuse(why, "it is damaged");
        break;
    }
    if (!anyWhole)
        return refuse(why, "it was cut short");
    return whole;
}

} // namespace cardova::savedgame
