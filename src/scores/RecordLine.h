#pragma once
// The line format shared by the score file and the favourites file: fields
// separated by ",", texts in double quotes with a quote inside written
// doubled, numbers in plain decimal, lines ended by CR LF.
#include "settings/GameNumber.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace cardova {

// One field of a line as it stands in the file.
struct RawField {
    const char *begin = nullptr; // between the quotes when quoted
    qsizetype size = 0;
    bool quoted = false;
    bool doubledQuotes = false; // holds at least one "" to be undone
};

// Splits one line (without its line ending) into at most maxFields fields.
// Returns the number of fields, or -1 when the line is damaged: a quote left
// open, text after a closing quote, a quote inside an unquoted field, or
// more fields than maxFields.
int splitRecordLine(const char *begin, const char *end, RawField *fields, int maxFields);

// The text of a field (quotes undone). Invalid UTF-8 becomes replacement
// characters; it never fails.
QString fieldText(const RawField &field);
QByteArray fieldBytes(const RawField &field);
// An unquoted whole number within [min, max]; blanks around it allowed.
bool fieldInt(const RawField &field, int64_t min, int64_t max, int64_t *out);
// A game number: unquoted digits are a number, a quoted field a text that
// must read as a number.
std::optional<GameNumber> fieldGameNumber(const RawField &field);

// Appends text in quotes. A quote is doubled; a line break becomes a blank,
// since a record must stay on one line.
void appendQuoted(QByteArray &line, const QString &text);
// Appends a game number: plain digits, or quoted when it is a text.
void appendGameNumber(QByteArray &line, const GameNumber &number);

// Length of a UTF-8 byte-order mark at the start of buffer: 3 or 0.
qsizetype utf8BomLength(const QByteArray &buffer);
// At least the number of lines forEachLine will visit.
qsizetype countLines(const QByteArray &buffer);

// Calls fn(begin, end) for every line of a buffer, without its line ending.
// A line ends at LF, CR LF, CR alone or any run of them: files pass through
// editors and copies that turn CR LF into CR CR LF or drop the LF, and no
// record ever holds a line break of its own. Empty lines between the breaks
// are not visited. A UTF-8 byte-order mark before the first line is passed
// over. A last line without a line ending counts as a line.
template <class Fn>
void forEachLine(const QByteArray &buffer, Fn &&fn)
{
    const char *p = buffer.constData() + utf8BomLength(buffer);
    const char *const end = buffer.constData() + buffer.size();
    while (p < end) {
        const char *nl = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        const char *const lineEnd = nl ? nl : end;
        // Between two LFs there is usually one CR, just before the LF.
        while (p < lineEnd) {
            const char *cr = static_cast<const char *>(memchr(p, '\r', size_t(lineEnd - p)));
            const char *const pieceEnd = cr ? cr : lineEnd;
            if (pieceEnd > p)
                fn(p, pieceEnd);
            p = cr ? cr + 1 : lineEnd;
        }
        p = nl ? nl + 1 : end;
    }
}

// True when the line holds nothing but blanks.
bool isBlankLine(const char *begin, const char *end);

enum class ReadStatus { Ok, Missing, Failed };
// Reads a whole file in one go.
ReadStatus readWholeFile(const QString &path, QByteArray *out, QString *error = nullptr);

// Appends one complete line (with its CR LF) in a single write. When the
// file's last line lacks its line ending (an earlier write cut short), a
// CR LF goes first so the new record never merges with it. Creates the
// folder and the file when missing. False, with a reason, when any part of
// the line could not be written.
bool appendLineToFile(const QString &path, const QByteArray &line, QString *error = nullptr);

} // namespace cardova
