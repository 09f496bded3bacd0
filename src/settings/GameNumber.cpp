#include "settings/GameNumber.h"

#include <QLocale>
#include <cmath>

namespace cardova {

bool isNumericText(const QString &text, double *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    int i = 0;
    const int n = int(t.size());
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        for (; i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i)
            ++expDigits;
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e17)
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 17);
}

GameNumber GameNumber::fromNumber(double value)
{
    GameNumber g;
    g.value_ = value;
    return g;
}

std::optional<GameNumber> GameNumber::fromText(const QString &text)
{
    double v = 0;
    if (!isNumericText(text, &v))
        return std::nullopt;
    GameNumber g;
    g.value_ = v;
    g.text_ = text;
    g.isText_ = true;
    return g;
}

QString GameNumber::toText() const
{
    return isText_ ? text_ : numberText(value_);
}

} // namespace cardova
