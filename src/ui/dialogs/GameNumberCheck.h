#pragma once
// The bounds and the check of a typed game number.
#include <QLocale>
#include <QString>
#include <cstdint>

namespace cardova::ui {

// 10 to the power of the range index, minus 1; 0 when the index is below 1.
double MaxGameNo(int16_t rangeIndex);

// A bound with thousands separators ("99,999" in English); 0 reads "0".
QString formatGameNo(double value, const QLocale &locale);

// The typed text without the locale's group separators when it is a whole
// number grouped by them in threes, as the dialog prints its bounds ("12,345"
// in English gives "12345"); any other text comes back as typed ("12.5",
// "1e3", "1,2345").
QString withoutGroupSeparators(const QString &text, const QLocale &locale);

// A typed number is accepted when it is numeric and, taken in single
// precision, lies strictly between 0 and maxGameNo.
bool gameNumberAccepted(const QString &text, double maxGameNo);

} // namespace cardova::ui
