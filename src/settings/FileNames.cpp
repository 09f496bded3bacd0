#include "settings/FileNames.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>

namespace cardova {

namespace {
// Most file systems allow 255 bytes per name component; the data files add a
// four-byte extension (".sre", ".gam").
constexpr qsizetype kMaxComponentBytes = 255;
constexpr qsizetype kExtensionBytes = 4;
constexpr qsizetype kMaxStemBytes = kMaxComponentBytes - kExtensionBytes;
// 64 bits of the hash: two different long names sharing a file is not a
// practical concern.
constexpr qsizetype kHashBytes = 8;
const QString kShortenedMark = QStringLiteral("%~");

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

// The escaped form of each character of the name, in order; a surrogate
// pair stays together so a cut never splits a character.
QStringList escapedPieces(const QString &name)
{
    QStringList pieces;
    const int n = int(name.size());
    int trailing = n; // start of the run of trailing dots and blanks
    while (trailing > 0 && (name[trailing - 1] == QLatin1Char('.') || name[trailing - 1] == QLatin1Char(' ')))
        --trailing;
    for (int i = 0; i < n; ++i) {
        const QChar c = name[i];
        QString piece;
        const bool leadingDot = i == 0 && c == QLatin1Char('.');
        if (mustEscape(c) || leadingDot || i >= trailing)
            appendEscaped(piece, c);
        else
            piece = c;
        if (c.isHighSurrogate() && i + 1 < n && name[i + 1].isLowSurrogate())
            piece += name[++i];
        pieces << piece;
    }
    return pieces;
}

qsizetype utf8Size(const QString &text) { return text.toUtf8().size(); }

QString shortened(const QStringList &pieces, const QString &name)
{
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).left(kHashBytes).toHex());
    const QString tail = kShortenedMark + hash;
    const qsizetype budget = kMaxStemBytes - utf8Size(tail);
    QString out;
    qsizetype used = 0;
    for (const QString &piece : pieces) {
        const qsizetype size = utf8Size(piece);
        if (used + size > budget)
            break;
        out += piece;
        used += size;
    }
    return out + tail;
}
} // namespace

QString fileNameForName(const QString &name)
{
    const QStringList pieces = escapedPieces(name);
    const QString out = pieces.join(QString());
    if (utf8Size(out) <= kMaxStemBytes)
        return out;
    return shortened(pieces, name);
}

bool fileNameKeepsName(const QString &name)
{
    return nameFromFileName(fileNameForName(name)) == name;
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
