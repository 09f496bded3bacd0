#include "scores/ShownText.h"

namespace cardova {

namespace {
bool mustEscape(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}
} // namespace

QString escapeControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!mustEscape(c)) {
            out += c;
            continue;
        }
        const bool small = c.unicode() <= 0xFF;
        out += small ? QStringLiteral("\\x") : QStringLiteral("\\u");
        out += QString::number(c.unicode(), 16).toUpper().rightJustified(small ? 2 : 4, QLatin1Char('0'));
    }
    return out;
}

QString escapedList(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &t : texts)
        out << escapeControls(t);
    return out.join(QStringLiteral(", "));
}

} // namespace cardova
