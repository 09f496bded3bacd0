#include "scores/LocaleDate.h"

#include <QLocale>

namespace cardova {

namespace {
// Where day, month and year stand in an all-numeric short date format
// ("M/d/yy", "dd.MM.yyyy"); not numeric when the format names the month.
struct DateOrder {
    int day = -1, month = -1, year = -1;
    bool numeric() const { return day >= 0; }
};

DateOrder orderOf(const QString &format)
{
    DateOrder order;
    int field = 0;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        i += run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            if ((c != QLatin1Char('y') && run > 2) || field > 2)
                return {};
            int &slot = c == QLatin1Char('d') ? order.day : c == QLatin1Char('M') ? order.month : order.year;
            if (slot >= 0)
                return {};
            slot = field++;
        } else if (c.isLetter()) {
            return {};
        }
    }
    return field == 3 ? order : DateOrder{};
}

// The order of the locale's short date, worked out again only when the
// default locale changes: asking the locale for every record is what made
// reading such dates slow.
const DateOrder &localeDateOrder()
{
    static QLocale known;
    static DateOrder order = orderOf(known.dateFormat(QLocale::ShortFormat));
    const QLocale current;
    if (current != known) {
        known = current;
        order = orderOf(current.dateFormat(QLocale::ShortFormat));
    }
    return order;
}

// Reads 1 to maxDigits digits; returns the position after them or nullptr.
const char *number(const char *p, const char *end, int maxDigits, int *value, int *count)
{
    int v = 0, n = 0;
    while (p < end && n < maxDigits && *p >= '0' && *p <= '9') {
        v = v * 10 + (*p++ - '0');
        ++n;
    }
    *value = v;
    *count = n;
    return n > 0 ? p : nullptr;
}

// A two-digit year as the POSIX %y reads it: 69-99 are 1969-1999, 00-68 are
// 2000-2068. Qt would put every such year in the 1900s.
int fullYear(int year, int digits)
{
    constexpr int kFirstYearOf1900s = 69;
    if (digits != 2)
        return year;
    return year < kFirstYearOf1900s ? 2000 + year : 1900 + year;
}

// The date at the start of a text written in a numeric short date form
// ("3/1/26 12:00:00 PM", "01.03.2026 12:00"), read without building a
// string. Whatever follows the date is left to the slower readers' care:
// only the day is wanted here.
QDate numericDate(const char *p, qsizetype size, const DateOrder &order)
{
    if (!order.numeric())
        return {};
    const char *end = p + size;
    while (p < end && *p == ' ')
        ++p;
    int values[3] = {}, digits[3] = {};
    for (int f = 0; f < 3; ++f) {
        if (f > 0) {
            // One separator character ("/", "-", "."), which may be followed
            // by a blank ("1. 3. 2026").
            if (p == end || *p == ' ' || (*p >= '0' && *p <= '9'))
                return {};
            ++p;
            if (p < end && *p == ' ')
                ++p;
        }
        p = number(p, end, f == order.year ? 4 : 2, &values[f], &digits[f]);
        if (!p)
            return {};
    }
    if (p < end && *p >= '0' && *p <= '9')
        return {};
    if (digits[order.year] != 2 && digits[order.year] != 4)
        return {};
    return QDate(fullYear(values[order.year], digits[order.year]), values[order.month], values[order.day]);
}
} // namespace

QDate localeNumericDate(const char *text, qsizetype size)
{
    return numericDate(text, size, localeDateOrder());
}

QTime timeAfterDate(const QString &text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return QTime(0, 0);
    const QString rest = text.mid(blank + 1).trimmed();
    const QLocale locale;
    for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
        const QTime time = locale.toTime(rest, type);
        if (time.isValid())
            return time;
    }
    // The locale's long form may end in a time zone the text lacks.
    for (const char *format : {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "H:mm"}) {
        const QTime time = locale.toTime(rest, QString::fromLatin1(format));
        if (time.isValid())
            return time;
    }
    return QTime(0, 0);
}

} // namespace cardova
