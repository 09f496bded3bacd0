#include "session/SavedGameLines.h"

#include "engine/cArray.h"
#include "settings/GameRuleFields.h"

namespace cardova::savedgame {

Lines::Lines(const QByteArray &text) : text_(text)
{
    end_ = text_.indexOf('\n');
}

void Lines::advance()
{
    next_ = lineEnd() + 1;
    end_ = atEnd() ? -1 : text_.indexOf('\n', next_);
}

bool Lines::aheadStartsWith(const char *key) const
{
    const QByteArray prefix = QByteArray(key) + ' ';
    for (qsizetype at = next_, end = end_; end >= 0; at = end + 1, end = text_.indexOf('\n', at))
        if (QByteArrayView(text_).sliced(at, end - at).startsWith(prefix))
            return true;
    return false;
}

std::optional<QList<QByteArray>> Lines::words(const char *key, int count)
{
    const auto rest = text(key);
    if (!rest)
        return std::nullopt;
    QList<QByteArray> w = rest->split(' ');
    if (w.size() != count)
        return std::nullopt;
    return w;
}

std::optional<QByteArray> Lines::text(const char *key)
{
    if (atEnd())
        return std::nullopt;
    const QByteArrayView line = QByteArrayView(text_).sliced(next_, lineEnd() - next_);
    const QByteArray prefix = QByteArray(key) + ' ';
    if (!line.startsWith(prefix))
        return std::nullopt;
    const QByteArray rest = line.sliced(prefix.size()).toByteArray();
    advance();
    return rest;
}

bool Lines::line(const char *exact)
{
    if (atEnd() || peek() != exact)
        return false;
    advance();
    return true;
}

bool number(const QByteArray &word, long long min, long long max, long long *out)
{
    bool ok = false;
    const long long v = word.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

bool readHash(const QByteArray &word, uint64_t *out)
{
    bool ok = false;
    *out = word.toULongLong(&ok, 16);
    return ok && word.size() <= 16;
}

QByteArray hashText(uint64_t hash)
{
    return QByteArray::number(qulonglong(hash), 16);
}

void ChunkCheck::add(const QByteArray &bytes)
{
    for (char c : bytes)
        add(c);
}

void ChunkCheck::add(char c)
{
    hash_ = fnv1a::mix(hash_, uint8_t(c));
}

QByteArray recordLine(const TransRecord &r)
{
    QByteArray line = "move";
    for (long long v : {(long long)r.PicID, (long long)r.SCell, (long long)r.SPile, (long long)r.SPos,
                        (long long)r.DCell, (long long)r.DPile, (long long)r.DPos, (long long)r.mCards,
                        (long long)r.tMod, (long long)r.Multi})
        line += ' ' + QByteArray::number(v);
    return line;
}

std::optional<TransRecord> recordOf(const QList<QByteArray> &w)
{
    TransRecord r;
    const bool ok = readInto(w[0], 0, kDeckSize - 1, &r.PicID) && readInto(w[1], 0, kCellCount - 1, &r.SCell) &&
                    readInto(w[2], 0, 32767, &r.SPile) && readInto(w[3], 0, 32767, &r.SPos) &&
                    readInto(w[4], 0, kCellCount - 1, &r.DCell) && readInto(w[5], 0, 32767, &r.DPile) &&
                    readInto(w[6], 0, 32767, &r.DPos) && readInto(w[7], 0, kDeckSize - 1, &r.mCards) &&
                    readInto(w[8], kModePlay, kModeUncover, &r.tMod) && readInto(w[9], 0, 1, &r.Multi);
    return ok ? std::optional<TransRecord>(r) : std::nullopt;
}

QByteArray rulesLine(const GameRecord &r)
{
    QByteArray line = "rules";
    for (long long v : {(long long)r.gOrder, (long long)r.gBase, (long long)r.gCards, (long long)r.hOrder,
                        (long long)r.hSpace, (long long)r.hPiles, (long long)r.hAk, (long long)r.hMulti})
        line += ' ' + QByteArray::number(v);
    // The fields come with leading commas, as a ".gam" line has them.
    return line + ruleFieldsText(r).replace(',', ' ');
}

std::optional<GameRecord> rulesOf(const QList<QByteArray> &w)
{
    // Any values the record types hold: the record is compared with the
    // game's own, which the loader checks.
    if (w.size() < kRulesWords)
        return std::nullopt;
    GameRecord r;
    const bool ok = readInto(w[0], INT32_MIN, INT32_MAX, &r.gOrder) && readInto(w[1], INT32_MIN, INT32_MAX, &r.gBase) &&
                    readInto(w[2], INT16_MIN, INT16_MAX, &r.gCards) && readInto(w[3], INT32_MIN, INT32_MAX, &r.hOrder) &&
                    readInto(w[4], INT16_MIN, INT16_MAX, &r.hSpace) && readInto(w[5], INT16_MIN, INT16_MAX, &r.hPiles) &&
                    readInto(w[6], INT16_MIN, INT16_MAX, &r.hAk) && readInto(w[7], INT16_MIN, INT16_MAX, &r.hMulti);
    if (!ok)
        return std::nullopt;
    for (qsizetype i = kRulesWords; i < w.size(); ++i)
        if (!applyRuleField(w[i], &r).isEmpty())
            return std::nullopt;
    return r;
}

} // namespace cardova::savedgame
