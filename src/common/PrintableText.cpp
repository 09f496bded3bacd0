#include "common/PrintableText.h"

namespace cardova {

namespace {
bool hidesItself(char16_t u)
{
    if (QChar::category(u) == QChar::Other_Control)
        return true;
    switch (u) {
    case 0x200E: case 0x200F:                                         // direction marks
    case 0x2028: case 0x2029:                                         // line and paragraph breaks
    case 0x202A: case 0x202B: case 0x202C: case 0x202D: case 0x202E: // embeddings, overrides
    case 0x2066: case 0x2067: case 0x2068: case 0x2069:               // isolates
        return true;
    default:
        return false;
    }
}

QString escapeOf(char16_t u)
{
    constexpr char16_t kLastByte = 0xFF;
    const bool small = u <= kLastByte;
    const QString digits = QString::number(uint(u), 16).toUpper().rightJustified(small ? 2 : 4, QLatin1Char('0'));
    return (small ? QStringLiteral("\\x") : QStringLiteral("\\u")) + digits;
}
} // namespace

QString printableText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (hidesItself(c.unicode()))
            out += escapeOf(c.unicode());
        else
            out += c;
    }
    return out;
}

QString printableList(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &t : texts)
        out << printableText(t);
    return out.join(QStringLiteral(", "));
}

} // namespace cardova
