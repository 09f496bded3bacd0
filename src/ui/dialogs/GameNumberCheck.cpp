#include "ui/dialogs/GameNumberCheck.h"

#include "session/Lifecycle.h"
#include "settings/GameNumber.h"

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
