#pragma once
// Date-time text in the record files: ISO 8601 local time, so a file reads
// back the same whatever the locale of the machine.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace cardova {

// "yyyy-MM-dd HH:mm:ss".
QString dateTimeText(const QDateTime &when);

// The date-time a stored text stands for: the written form, ISO 8601 with a
// "T" or without a time, or the system's short date-time. Invalid when none
// fits.
QDateTime dateTimeFromText(const QString &text);

// Julian day of a stored date text given as UTF-8 bytes. The written form
// and the locale's numeric short date (see LocaleDate.h) are read directly;
// other forms go through dateTimeFromText. Returns ScoreRec::kNoDate when
// the text is no date.
int32_t dayFromText(const char *begin, qsizetype size);
int32_t dayFromText(const QString &text);

} // namespace cardova
