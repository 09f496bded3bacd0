#include "ui/dialogs/GameNumberCheck.h"

#include "session/Lifecycle.h"
#include "settings/GameNumber.h"

#include <QRegularExpression>

namespace cardova::ui {

double MaxGameNo(int16_t rangeIndex)
{
    const double range = RandomRange(rangeIndex);
    return range < 1 ? 0.0 : range - 1;
}

QString formatGameNo(double value, const QLocale &locale)
{
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(qlonglong(value));
}

QString withoutGroupSeparators(const QString &text, const QLocale &locale)
{
    const QString separator = locale.groupSeparator();
    const QString trimmed = text.trimmed();
    if (separator.isEmpty() || !trimmed.contains(separator))
        return text;
    const QRegularExpression grouped(QStringLiteral("^[0-9]{1,3}(?:%1[0-9]{3})+$").arg(QRegularExpression::escape(separator)));
    if (!grouped.match(trimmed).hasMatch())
        return text;
    return QString(trimmed).remove(separator);
}

bool gameNumberAccepted(const QString &text, double maxGameNo)
{
    double value = 0;
    if (!isNumericText(text, &value))
        return false;
    // The number is compared as a single-precision value, so a number too
    // close to the upper bound to be told apart from it is refused too.
    const double n = double(float(value));
    return n > 0 && n < maxGameNo;
}

} // namespace cardova::ui
