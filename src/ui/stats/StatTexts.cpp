#include "ui/stats/StatTexts.h"

#include "common/FormatTime.h"
#include "common/Numeric.h"
#include "common/PrintableText.h"

#include <cmath>

namespace cardova::ui {

namespace {
// P' and T': a count or a time of 0 divides as 1.
double atLeastOne(int32_t v) { return v == 0 ? 1.0 : double(v); }
double twoDecimals(double v) { return roundHalfEven(v * 100.0) / 100.0; }
long long truncated(double v) { return static_cast<long long>(std::trunc(v)); }
} // namespace

QString decimalText(double value, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', 2);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

QString percentText(int32_t won, int32_t played, bool wholePercent, const QLocale &locale)
{
    const double p = atLeastOne(played);
    const double value = wholePercent ? twoDecimals(won / p) * 100.0 : twoDecimals(won * 100.0 / p);
    return decimalText(value, locale) + QLatin1Char('%');
}

QStringList generalLines(const StatSum &s, const QLocale &locale)
{
    const double p = atLeastOne(s.Played);
    const double t = atLeastOne(s.Time);
    return {QStringLiteral("Games Played : %1").arg(s.Played),
            QStringLiteral("Games Won : %1").arg(s.Won),
            QStringLiteral("Games Lost : %1").arg(s.Lost),
            QStringLiteral("Total Moves : %1").arg(s.Moves),
            QStringLiteral("Total Score : %1").arg(s.Score),
            QStringLiteral("Total Time : ") + FormatTime(s.Time),
            QStringLiteral("Moves Per Game : %1").arg(truncated(s.Moves / p)),
            QStringLiteral("Score Per Game : %1").arg(truncated(s.Score / p)),
            QStringLiteral("Time Per Game : ") + FormatTime(static_cast<int64_t>(roundHalfEven(s.Time / p))),
            QStringLiteral("Games Per Hour : %1").arg(truncated(s.Played / t * 3600.0)),
            QStringLiteral("Moves Per Hour : %1").arg(truncated(s.Moves / t * 3600.0)),
            QStringLiteral("Score Per Hour : %1").arg(truncated(s.Score / t * 3600.0)),
            QStringLiteral("Winning Percentage : ") + percentText(s.Won, s.Played, false, locale)};
}

QString unreadableText(const QStringList &files, const QString &what)
{
    if (files.isEmpty())
        return {};
    return QStringLiteral("These score files could not be read, so their games are missing from %1: %2.")
        .arg(what, printableList(files));
}

} // namespace cardova::ui
