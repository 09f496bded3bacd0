#include "common/FormatTime.h"

namespace cardova {

QString FormatTime(int64_t seconds)
{
    const bool negative = seconds < 0;
    if (negative)
        seconds = -seconds;
    const int64_t s = seconds % 60;
    const int64_t m = (seconds / 60) % 60;
    const int64_t h = seconds / 3600;
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(h)
                       .arg(m, 2, 10, QLatin1Char('0'))
                       .arg(s, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace cardova
