#pragma once
// Reading the lines of a kept game's text, shared by every version's reader.
#include "common/Fnv1a.h"
#include "rules/GameRecord.h"
#include "session/cTrans.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace cardova::savedgame {

// Reads the lines one after another. Every line ends in a line break; a last
// piece without one is a line cut short. The text is walked in place, so a
// text of many lines costs no more than its bytes.
class Lines {
public:
    explicit Lines(const QByteArray &text);
    bool atEnd() const { return next_ >= text_.size(); }
    bool cutShort() const { return !text_.isEmpty() && !text_.endsWith('\n'); }
    // A line that cannot be read is where the text stops: it was cut short.
    bool stopsHere() const { return !nextIsWhole(); }
    // Whether the next line is whole (not the piece cut short).
    bool nextIsWhole() const { return !atEnd() && end_ >= 0; }
    // The next line, without its line break.
    QByteArray peek() const { return text_.mid(next_, lineEnd() - next_); }
    // Whether a whole line, the next one or any after it, starts with `key`
    // and a blank.
    bool aheadStartsWith(const char *key) const;
    // The words after `key` on the next line, or nullopt.
    std::optional<QList<QByteArray>> words(const char *key, int count);
    // The rest of the next line after `key` and one blank.
    std::optional<QByteArray> text(const char *key);
    bool line(const char *exact);

private:
    qsizetype lineEnd() const { return end_ >= 0 ? end_ : text_.size(); }
    void advance();

    QByteArray text_;
    qsizetype next_ = 0; // where the next line starts
    qsizetype end_ = -1; // its line break, -1 when it has none
};

bool number(const QByteArray &word, long long min, long long max, long long *out);

template <typename T>
bool readInto(const QByteArray &word, long long min, long long max, T *out)
{
    long long v = 0;
    if (!number(word, min, max, &v))
        return false;
    *out = T(v);
    return true;
}

bool readHash(const QByteArray &word, uint64_t *out);
QByteArray hashText(uint64_t hash);

// A check of a chunk's text (64-bit FNV-1a), fed piece by piece: a chunk
// garbled where it was cut off is told from one written whole.
class ChunkCheck {
public:
    void add(const QByteArray &bytes);
    void add(char c);
    uint64_t value() const { return hash_; }

private:
    uint64_t hash_ = fnv1a::kOffset;
};

// The ten words of a "move" line.
constexpr int kRecordWords = 10;
QByteArray recordLine(const TransRecord &r);
std::optional<TransRecord> recordOf(const QList<QByteArray> &words);

// The "rules" line: the eight values of a game record, then the record's
// rule fields beyond them as "name=value" words (none for a game the eight
// values describe, whose line is as it always was).
constexpr int kRulesWords = 8;
QByteArray rulesLine(const GameRecord &r);
std::optional<GameRecord> rulesOf(const QList<QByteArray> &words);

} // namespace cardova::savedgame
