#include "settings/SettingsRescue.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace cardova {

namespace {
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom = QByteArrayLiteral("\xFF\xFE");
const QByteArray kUtf16BeBom = QByteArrayLiteral("\xFE\xFF");
// A settings file is a few kilobytes; reading stops well beyond that.
constexpr qint64 kMaxSettingsBytes = 16 * 1024 * 1024;
// Several copies made within the same second are told apart by a number.
constexpr int kMaxCopyTries = 100;

bool isUtf16(const QByteArray &content)
{
    return content.startsWith(kUtf16LeBom) || content.startsWith(kUtf16BeBom);
}

bool lineReadsWhole(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (t.isEmpty())
        return true;
    if (t.startsWith('[') && t.endsWith(']'))
        return true;
    return !t.startsWith(';') && !t.startsWith('#') && t.contains('=');
}

QString freeCopyName(const QString &path, const QDateTime &now)
{
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; n <= kMaxCopyTries && QFileInfo(name).exists(); ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return QFileInfo(name).exists() ? QString() : name;
}

// Copies the file aside, or moves it when it cannot be read to be copied.
QString keepAside(const QString &path, const QDateTime &now)
{
    const QString copy = freeCopyName(path, now);
    if (copy.isEmpty())
        return {};
    if (QFile::copy(path, copy) || QFile::rename(path, copy))
        return copy;
    return {};
}

bool rewriteAsUtf8(const QString &path, const QByteArray &content)
{
    QStringDecoder decode(QStringConverter::Utf16);
    const QString text = decode(content);
    if (decode.hasError())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}
} // namespace

bool settingsTextDamaged(const QByteArray &content)
{
    if (content.contains('\0') || isUtf16(content))
        return true;
    const QByteArray body = content.startsWith(kUtf8Bom) ? content.mid(kUtf8Bom.size()) : content;
    QStringDecoder utf8(QStringConverter::Utf8);
    (void)utf8(body);
    if (utf8.hasError())
        return true;
    for (const QByteArray &line : body.split('\n'))
        if (!lineReadsWhole(line))
            return true;
    return false;
}

SettingsFileCheck rescueSettingsFile(const QString &path, const QDateTime &now)
{
    SettingsFileCheck check;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return check;
    if (info.isDir()) {
        check.damaged = true;
        check.isFolder = true;
        return check;
    }
    QFile file(path);
    QByteArray content;
    const bool readable = info.isFile() && file.open(QIODevice::ReadOnly);
    if (readable)
        content = file.read(kMaxSettingsBytes);
    file.close();
    if (readable && !settingsTextDamaged(content))
        return check;
    check.damaged = true;
    check.keptCopy = keepAside(path, now);
    if (!check.keptCopy.isEmpty() && readable && isUtf16(content))
        check.recoded = rewriteAsUtf8(path, content);
    return check;
}

QString damagedSettingsText(const QString &path, const SettingsFileCheck &check)
{
    if (check.isFolder)
        return QStringLiteral("A folder stands where the settings file %1 belongs, so Cardova starts from its "
                              "default settings and cannot save changes to them.").arg(path);
    if (check.keptCopy.isEmpty())
        return QStringLiteral("The settings file %1 could not be read, so Cardova starts from its default "
                              "settings and leaves that file untouched without saving changes.").arg(path);
    return QStringLiteral("The settings file %1 could not be read in full, so a copy of it was kept as %2 and "
                          "Cardova starts from the settings it could read.").arg(path, check.keptCopy);
}

QString unsavedSettingsText(const QString &path)
{
    return QStringLiteral("Your settings could not be saved to %1, so changes made now will be lost when "
                          "Cardova closes.").arg(path);
}

} // namespace cardova
