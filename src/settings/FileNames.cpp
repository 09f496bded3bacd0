#include "settings/FileNames.h"

#include <QByteArray>

namespace cardova {

namespace {
bool mustEscape(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x20 || u == 0x7f)
        return true;
    switch (u) {
    case '/': case '\\': case ':': case '*': case '?': case '"': case '<': case '>':
    case '|': case '%':
        return true;
    default:
        return false;
    }
}

void appendEscaped(QString &out, QChar c)
{
    const QByteArray bytes = QString(c).toUtf8();
    for (const char b : bytes)
        out += QStringLiteral("%%1").arg(uint(uchar(b)), 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString fileNameForName(const QString &name)
{
    QString out;
    out.reserve(name.size());
    const int n = int(name.size());
    int trailing = n; // start of the run of trailing dots and blanks
    while (trailing > 0 && (name[trailing - 1] == QLatin1Char('.') || name[trailing - 1] == QLatin1Char(' ')))
        --trailing;
    for (int i = 0; i < n; ++i) {
        const QChar c = name[i];
        const bool leadingDot = i == 0 && c == QLatin1Char('.');
        if (mustEscape(c) || leadingDot || i >= trailing)
            appendEscaped(out, c);
        else
            out += c;
    }
    return out;
}

QString nameFromFileName(const QString &fileName)
{
    if (!fileName.contains(QLatin1Char('%')))
        return fileName;
    QByteArray bytes;
    const QByteArray utf8 = fileName.toUtf8();
    for (int i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '%' && i + 2 < utf8.size()) {
            bool ok = false;
            const int v = utf8.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                bytes += char(v);
                i += 2;
                continue;
            }
        }
        bytes += utf8[i];
    }
    return QString::fromUtf8(bytes);
}

} // namespace cardova
