// The chunked versions: the lines that name the game, then chunks of records
// each closed by a state line; the last whole chunk is the game. Version 2
// names the game and its number only.
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

// One chunk onto `g`: its records, then its state. A bad chunk leaves `g`
// as it was, so the game stands as the last whole chunk left it. Only the
// chunk's own records are held aside: reading costs what the text is long,
// however many chunks it has.
ChunkEnd readChunk(Lines &in, SavedGame *g)
{
    ChunkCheck check;
    std::vector<TransRecord> added;
    while (in.nextIsWhole() && in.peek().startsWith("move ")) {
        const QByteArray line = in.peek();
        const auto w = in.words("move", kRecordWords);
        const auto r = w ? recordOf(*w) : std::nullopt;
        if (!r || g->records.size() + added.size() >= size_t(cTrans::kMaxMoves))
            return ChunkEnd::Bad;
        added.push_back(*r);
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
    SavedGame state;
    if (stored != check.value() || !readState(*w, g->records.size() + added.size(), &state))
        return ChunkEnd::Bad;
    g->elapsed = state.elapsed;
    g->score = state.score;
    g->autoplay = state.autoplay;
    g->autoplaySuppressed = state.autoplaySuppressed;
    g->transPos = state.transPos;
    g->tableHash = state.tableHash;
    g->records.insert(g->records.end(), added.begin(), added.end());
    return ChunkEnd::Whole;
}
} // namespace

std::optional<SavedGame> readChunks(Lines &in, SavedGame head, QString *why)
{
    SavedGame whole = std::move(head);
    bool anyWhole = false;
    while (!in.atEnd()) {
        if (readChunk(in, &whole) == ChunkEnd::Whole) {
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

std::optional<SavedGame> readVersion2(Lines &in, QString *why)
{
    const auto name = in.text("game");
    const auto no = in.text("number");
    if (!name || !no)
        return refuse(why, in.stopsHere() ? "it was cut short" : "it is damaged");
    SavedGame head;
    head.gameName = QString::fromUtf8(*name);
    head.gameNumber = QString::fromUtf8(*no);
    if (head.gameName.isEmpty())
        return refuse(why, "it is damaged");
    return readChunks(in, std::move(head), why);
}

} // namespace cardova::savedgame
