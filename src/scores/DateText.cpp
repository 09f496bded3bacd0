#include "scores/DateText.h"

#include "scores/LocaleDate.h"
#include "scores/ScoreRec.h"

#include <QLocale>

namespace cardova {

namespace {
const QString kFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Reads exactly n digits.
bool digits(const char *p, int n, int *out)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        v = v * 10 + (p[i] - '0');
    }
    *out = v;
    return true;
}

// The date part of "yyyy-MM-dd ..." read without building a string.
QDate fastIsoDate(const char *p, qsizetype size)
{
    int y = 0, m = 0, d = 0;
    if (size < 10 || p[4] != '-' || p[7] != '-')
        return {};
    if (!digits(p, 4, &y) || !digits(p + 5, 2, &m) || !digits(p + 8, 2, &d))
        return {};
    if (size > 10 && p[10] != ' ' && p[10] != 'T')
        return {};
    return QDate(y, m, d);
}

int32_t dayOf(const QDate &date)
{
    return date.isValid() ? int32_t(date.toJulianDay()) : ScoreRec::kNoDate;
}
} // namespace

QString dateTimeText(const QDateTime &when) { return when.toString(kFormat); }

QDateTime dateTimeFromText(const QString &text)
{
    const QString t = text.trimmed();
    QDateTime dt = QDateTime::fromString(t, kFormat);
    if (dt.isValid())
        return dt;
    dt = QDateTime::fromString(t, Qt::ISODate);
    if (dt.isValid())
        return dt;
    const QDate date = QDate::fromString(t, Qt::ISODate);
    if (date.isValid())
        return date.startOfDay();
    const QByteArray bytes = t.toUtf8();
    const QDate numeric = localeNumericDate(bytes.constData(), bytes.size());
    if (numeric.isValid())
        return QDateTime(numeric, timeAfterDate(t));
    const QLocale locale;
    dt = locale.toDateTime(t, QLocale::ShortFormat);
    if (dt.isValid())
        return dt;
    const QDate shortDate = locale.toDate(t, QLocale::ShortFormat);
    return shortDate.isValid() ? shortDate.startOfDay() : QDateTime();
}

int32_t dayFromText(const char *begin, qsizetype size)
{
    const QDate fast = fastIsoDate(begin, size);
    if (fast.isValid())
        return dayOf(fast);
    const QDate numeric = localeNumericDate(begin, size);
    if (numeric.isValid())
        return dayOf(numeric);
    if (size == 0)
        return ScoreRec::kNoDate;
    return dayOf(dateTimeFromText(QString::fromUtf8(begin, size)).date());
}

int32_t dayFromText(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return dayFromText(bytes.constData(), bytes.size());
}

} // namespace cardova
