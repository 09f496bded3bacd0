#include "scores/Rankings.h"

namespace cardova {

namespace {
void clearTable(TopTable &top)
{
    for (ScoreRec &slot : top)
        slot = ScoreRec{};
}

// Puts rec into slot p, moving slots p..19 one place down (slot 20 drops out).
void insertAt(TopTable &top, int p, const ScoreRec &rec)
{
    for (int k = kTopSlots; k > p; --k)
        top[size_t(k)] = std::move(top[size_t(k - 1)]);
    top[size_t(p)] = rec;
}
} // namespace

int rankByScore(const std::vector<ScoreRec> &list, const QString &gName, const QString &player,
                int16_t won, TopTable &top)
{
    clearTable(top);
    int filled = 0;
    for (const ScoreRec &r : list) {
        if (r.Score <= 0 || (won == 1 && r.Won == 0))
            continue;
        if ((!gName.isEmpty() && gName != r.GName) || (!player.isEmpty() && player != r.Player))
            continue;
        // Slots are in falling order: below the last one, no slot would take it.
        if (r.Score < top[kTopSlots].Score)
            continue;
        for (int p = 1; p <= kTopSlots; ++p) {
            if (r.Score >= top[size_t(p)].Score) {
                insertAt(top, p, r);
                filled = std::min(filled + 1, kTopSlots);
                break;
            }
        }
    }
    return filled;
}

int rankFinished(const std::vector<ScoreRec> &list, bool byTime, bool byMoves, TopTable &top)
{
    clearTable(top);
    if (!byTime && !byMoves)
        return 0;
    const auto keyOf = [byMoves](const ScoreRec &r) { return byMoves ? r.Moves : r.Time; };
    int filled = 0;
    for (const ScoreRec &r : list) {
        const int32_t key = keyOf(r);
        // A key below 1 marks no real time or move count. Ranking it would
        // also make its slot look empty, so the next record would overwrite it.
        if (r.Won != 1 || key < 1)
            continue;
        if (filled == kTopSlots && key > keyOf(top[kTopSlots]))
            continue;
        for (int p = 1; p <= kTopSlots; ++p) {
            const int32_t c = keyOf(top[size_t(p)]);
            if (c == 0 || key <= c) {
                insertAt(top, p, r);
                filled = std::min(filled + 1, kTopSlots);
                break;
            }
        }
    }
    return filled;
}

} // namespace cardova
