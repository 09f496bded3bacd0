#include "session/SavedGameFormat.h"

#include "engine/cArray.h"

#include <QList>
#include <QStringList>

namespace cardova {

namespace {
const QByteArray kMagic = "CardovaSavedGame";

QByteArray recordLine(const TransRecord &r)
{
    QByteArray line = "move";
    for (long long v : {(long long)r.PicID, (long long)r.SCell, (long long)r.SPile, (long long)r.SPos,
                        (long long)r.DCell, (long long)r.DPile, (long long)r.DPos, (long long)r.mCards,
                        (long long)r.tMod, (long long)r.Multi})
        line += ' ' + QByteArray::number(v);
    return line;
}

// Reads the lines one after another; the first problem found is kept.
class Reader {
public:
    explicit Reader(const QByteArray &text) : lines_(text.split('\n'))
    {
        // The text ends in a line break, which leaves one empty piece.
        if (!lines_.isEmpty() && lines_.last().isEmpty())
            lines_.removeLast();
        else
            cutShort_ = true;
    }
    bool atEnd() const { return next_ >= lines_.size(); }
    bool cutShort() const { return cutShort_; }
    // A line that cannot be read is where the text stops: it was cut short.
    bool stopsHere() const { return atEnd() || (cutShort_ && next_ == lines_.size() - 1); }
    // The words after `key` on the next line, or nullopt.
    std::optional<QList<QByteArray>> words(const char *key, int count)
    {
        const auto rest = text(key);
        if (!rest)
            return std::nullopt;
        QList<QByteArray> w = rest->split(' ');
        if (w.size() != count)
            return std::nullopt;
        return w;
    }
    // The rest of the next line after `key` and one blank.
    std::optional<QByteArray> text(const char *key)
    {
        if (atEnd())
            return std::nullopt;
        const QByteArray &line = lines_[next_];
        const QByteArray prefix = QByteArray(key) + ' ';
        if (!line.startsWith(prefix))
            return std::nullopt;
        ++next_;
        return line.mid(prefix.size());
    }
    bool line(const char *exact)
    {
        if (atEnd() || lines_[next_] != exact)
            return false;
        ++next_;
        return true;
    }

private:
    QList<QByteArray> lines_;
    qsizetype next_ = 0;
    bool cutShort_ = false;
};

bool number(const QByteArray &word, long long min, long long max, long long *out)
{
    bool ok = false;
    const long long v = word.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

template <typename T>
bool readInto(const QByteArray &word, long long min, long long max, T *out)
{
    long long v = 0;
    if (!number(word, min, max, &v))
        return false;
    *out = T(v);
    return true;
}

bool readHash(const QByteArray &word, uint64_t *out)
{
    bool ok = false;
    *out = word.toULongLong(&ok, 16);
    return ok && word.size() <= 16;
}

std::optional<TransRecord> recordOf(const QList<QByteArray> &w)
{
    TransRecord r;
    const bool ok = readInto(w[0], 0, kDeckSize - 1, &r.PicID) && readInto(w[1], 0, 4, &r.SCell) &&
                    readInto(w[2], 0, 32767, &r.SPile) && readInto(w[3], 0, 32767, &r.SPos) &&
                    readInto(w[4], 0, 4, &r.DCell) && readInto(w[5], 0, 32767, &r.DPile) &&
                    readInto(w[6], 0, 32767, &r.DPos) && readInto(w[7], 0, kDeckSize - 1, &r.mCards) &&
                    readInto(w[8], kModePlay, kModeUncover, &r.tMod) && readInto(w[9], 0, 1, &r.Multi);
    return ok ? std::optional<TransRecord>(r) : std::nullopt;
}
} // namespace

QByteArray savedGameText(const SavedGame &g)
{
    if (g.gameName.contains(QLatin1Char('\n')) || g.gameName.contains(QLatin1Char('\r')) ||
        g.gameName.isEmpty() || g.gameNumber.contains(QLatin1Char('\n')))
        return {};
    QByteArray out = kMagic + ' ' + QByteArray::number(kSavedGameVersion) + '\n';
    out += "game " + g.gameName.toUtf8() + '\n';
    out += "number " + g.gameNumber.toUtf8() + '\n';
    out += "elapsed " + QByteArray::number(g.elapsed) + '\n';
    out += "score " + QByteArray::number(g.score) + '\n';
    out += "autoplay " + QByteArray::number(g.autoplay) + ' ' + QByteArray::number(g.autoplaySuppressed ? 1 : 0) +
           '\n';
    out += "log " + QByteArray::number(g.transPos) + ' ' + QByteArray::number(qsizetype(g.records.size())) + '\n';
    out += "table " + QByteArray::number(qulonglong(g.tableHash), 16) + '\n';
    for (const TransRecord &r : g.records)
        out += recordLine(r) + '\n';
    out += "end\n";
    return out;
}

std::optional<SavedGame> parseSavedGame(const QByteArray &text, QString *why)
{
    const auto fail = [why](const char *reason) {
        if (why)
            *why = QString::fromLatin1(reason);
        return std::nullopt;
    };
    Reader in(text);
    const auto head = in.words(kMagic.constData(), 1);
    if (!head)
        return fail("it is not a saved game");
    if (head->at(0) != QByteArray::number(kSavedGameVersion))
        return fail("it was written by another version of the program");
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
        return fail(in.stopsHere() ? "it was cut short" : "it is damaged");
    g.gameName = QString::fromUtf8(*name);
    g.gameNumber = QString::fromUtf8(*no);
    long long suppressed = 0;
    if (g.gameName.isEmpty() || !readInto(elapsed->at(0), 0, INT32_MAX, &g.elapsed) ||
        !readInto(score->at(0), INT16_MIN, INT16_MAX, &g.score) ||
        !readInto(autoplay->at(0), INT16_MIN, INT16_MAX, &g.autoplay) ||
        !number(autoplay->at(1), 0, 1, &suppressed) || !number(log->at(1), 0, cTrans::kMaxMoves, &top) ||
        !readInto(log->at(0), 0, top, &g.transPos) || !readHash(table->at(0), &g.tableHash))
        return fail("it is damaged");
    g.autoplaySuppressed = suppressed != 0;
    g.records.reserve(size_t(top));
    for (long long i = 0; i < top; ++i) {
        const auto w = in.words("move", 10);
        if (!w)
            return fail(in.stopsHere() ? "it was cut short" : "it is damaged");
        const auto r = recordOf(*w);
        if (!r)
            return fail("it is damaged");
        g.records.push_back(*r);
    }
    if (!in.line("end"))
        return fail(in.stopsHere() ? "it was cut short" : "it is damaged");
    if (!in.atEnd() || in.cutShort())
        return fail(in.cutShort() ? "it was cut short" : "it is damaged");
    return g;
}

} // namespace cardova
