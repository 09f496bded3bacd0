#pragma once
// Dates and times written the way the system's locale writes them, as
// score files of older versions and hand-edited ones hold them.
#include <QDate>
#include <QString>
#include <QTime>

namespace cardova {

// The date at the start of a text written in the locale's short date form
// when that form is all numbers ("3/1/26 12:00:00 PM" in the United States,
// "01.03.26 12:00" in Germany), read straight from the bytes. Two-digit
// years are read as POSIX does: 69-99 in the 1900s, 00-68 in the 2000s.
// Invalid when the text does not start with such a date.
QDate localeNumericDate(const char *text, qsizetype size);

// The time after the first blank of such a text, in the locale's long or
// short form or a plain "H:mm:ss"; midnight when none reads.
QTime timeAfterDate(const QString &text);

} // namespace cardova
