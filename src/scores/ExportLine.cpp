#include "scores/ExportLine.h"

#include "settings/GameNumber.h"

namespace cardova {

ExportLine &ExportLine::text(const QString &item)
{
    for (const QChar c : item)
        line_ += (c.unicode() < 0x20 || c.unicode() == 0x7f) ? QLatin1Char(' ') : c;
    return *this;
}

ExportLine &ExportLine::signedText(const QString &digits)
{
    if (digits.startsWith(QLatin1Char('-')))
        line_ += digits;
    else
        line_ += QLatin1Char(' ') + digits;
    line_ += QLatin1Char(' ');
    return *this;
}

ExportLine &ExportLine::number(int64_t value) { return signedText(QString::number(value)); }

ExportLine &ExportLine::gameNumber(const GameNumber &value)
{
    return value.isText() ? text(value.toText()) : signedText(value.toText());
}

ExportLine &ExportLine::spaces(int count)
{
    if (count > 0)
        line_ += QString(count, QLatin1Char(' '));
    return *this;
}

ExportLine &ExportLine::column()
{
    const int pos = int(line_.size());
    return spaces((pos / kColumn + 1) * kColumn - pos);
}

QString firstChars(const QString &text, int n)
{
    int units = 0;
    for (int count = 0; count < n && units < text.size(); ++count)
        units += (text[units].isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return text.left(units);
}

} // namespace cardova
