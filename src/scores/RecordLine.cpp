#include "scores/RecordLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace cardova {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

const char *skipBlanks(const char *p, const char *end)
{
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

// Reads a quoted field starting at the opening quote; returns the position
// after the closing quote, or nullptr when the quote is never closed.
const char *readQuoted(const char *p, const char *end, RawField *f)
{
    ++p;
    f->begin = p;
    f->quoted = true;
    while (p < end) {
        const char *q = static_cast<const char *>(memchr(p, '"', size_t(end - p)));
        if (!q)
            return nullptr;
        if (q + 1 < end && q[1] == '"') {
            f->doubledQuotes = true;
            p = q + 2;
            continue;
        }
        f->size = q - f->begin;
        return q + 1;
    }
    return nullptr;
}
} // namespace

int splitRecordLine(const char *begin, const char *end, RawField *fields, int maxFields)
{
    int count = 0;
    const char *p = begin;
    while (true) {
        if (count == maxFields)
            return -1;
        RawField &f = fields[count++];
        f = RawField{};
        const char *start = skipBlanks(p, end);
        if (start < end && *start == '"') {
            p = readQuoted(start, end, &f);
            if (!p)
                return -1;
            p = skipBlanks(p, end);
            if (p < end && *p != ',')
                return -1;
        } else {
            const char *comma = static_cast<const char *>(memchr(p, ',', size_t(end - p)));
            const char *stop = comma ? comma : end;
            if (memchr(p, '"', size_t(stop - p)))
                return -1;
            f.begin = p;
            f.size = stop - p;
            p = stop;
        }
        if (p == end)
            return count;
        ++p; // the comma
    }
}

QByteArray fieldBytes(const RawField &field)
{
    if (!field.doubledQuotes)
        return QByteArray(field.begin, field.size);
    QByteArray out;
    out.reserve(field.size);
    for (qsizetype i = 0; i < field.size; ++i) {
        out += field.begin[i];
        if (field.begin[i] == '"')
            ++i; // the second quote of a pair
    }
    return out;
}

QString fieldText(const RawField &field)
{
    if (!field.doubledQuotes)
        return QString::fromUtf8(field.begin, field.size);
    return QString::fromUtf8(fieldBytes(field));
}

bool fieldInt(const RawField &field, int64_t min, int64_t max, int64_t *out)
{
    if (field.quoted)
        return false;
    const char *p = skipBlanks(field.begin, field.begin + field.size);
    const char *end = field.begin + field.size;
    while (end > p && isBlank(end[-1]))
        --end;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    if (p == end)
        return false;
    // Accumulate as a negative value so the full range fits; stop once the
    // value can no longer be in range, which also bounds huge digit runs.
    int64_t v = 0;
    for (; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        if (v < -(int64_t(1) << 53))
            return false;
        v = v * 10 - (*p - '0');
    }
    const int64_t value = negative ? v : -v;
    if (value < min || value > max)
        return false;
    *out = value;
    return true;
}

std::optional<GameNumber> fieldGameNumber(const RawField &field)
{
    if (field.quoted)
        return GameNumber::fromText(fieldText(field));
    int64_t whole = 0;
    if (field.size <= 15 && fieldInt(field, -999999999999999LL, 999999999999999LL, &whole))
        return GameNumber::fromNumber(double(whole));
    double value = 0;
    if (!isNumericText(QString::fromLatin1(field.begin, field.size), &value))
        return std::nullopt;
    return GameNumber::fromNumber(value);
}

void appendQuoted(QByteArray &line, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    line += '"';
    for (const char c : bytes) {
        if (c == '"')
            line += "\"\"";
        else if (c == '\r' || c == '\n')
            line += ' ';
        else
            line += c;
    }
    line += '"';
}

void appendGameNumber(QByteArray &line, const GameNumber &number)
{
    if (number.isText())
        appendQuoted(line, number.toText());
    else
        line += number.toText().toLatin1();
}

qsizetype utf8BomLength(const QByteArray &buffer)
{
    return buffer.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

qsizetype countLines(const QByteArray &buffer)
{
    if (buffer.isEmpty())
        return 0;
    // Files with CR alone as their line ending hold no LF at all.
    const qsizetype breaks = std::max(buffer.count('\n'), buffer.count('\r'));
    return breaks + 1;
}

bool isBlankLine(const char *begin, const char *end) { return skipBlanks(begin, end) == end; }

ReadStatus readWholeFile(const QString &path, QByteArray *out, QString *error)
{
    out->clear();
    QFile file(path);
    if (!file.exists())
        return ReadStatus::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return ReadStatus::Failed;
    }
    *out = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        out->clear();
        return ReadStatus::Failed;
    }
    return ReadStatus::Ok;
}

namespace {
// True when the file exists, is not empty and its last byte is not a line
// feed; false when it cannot be read (then the append itself will report).
bool lastLineOpen(const QString &path)
{
    QFile file(path);
    if (file.size() <= 0 || !file.open(QIODevice::ReadOnly))
        return false;
    if (!file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && last != '\n';
}
// Writes until everything is written or the system refuses. A short write
// sets no error by itself; the write after it fails with the reason (a full
// disk, a size limit), which is what the player has to be told.
qint64 writeAll(QFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

// Removes the part of a line that a failed append left behind, so the file
// does not keep a torn record for good. Only when nothing else has been
// appended since: another writer's complete line must stay.
void cutBack(QFile &file, qint64 oldSize, qint64 written)
{
    if (written > 0 && file.size() == oldSize + written)
        file.resize(oldSize);
}
} // namespace

bool appendLineToFile(const QString &path, const QByteArray &line, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QByteArray out;
    if (lastLineOpen(path))
        out = QByteArrayLiteral("\r\n");
    out += line;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const qint64 oldSize = file.size();
    const qint64 written = writeAll(file, out);
    if (written == out.size())
        return true;
    if (error)
        *error = file.errorString();
    cutBack(file, oldSize, written);
    return false;
}

} // namespace cardova
