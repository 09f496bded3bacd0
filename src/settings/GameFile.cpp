#include "settings/GameFile.h"

#include "settings/GameRuleFields.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace cardova {

namespace {
// A game file is one short line; anything far larger is not a game file.
constexpr qint64 kMaxGameFileBytes = 64 * 1024;
// The rule fields after the eight numbers, up to the end of their line.
QString readRuleFields(const QByteArray &rest, GameRecord *record)
{
    const qsizetype lineEnd = rest.indexOf('\n');
    const QByteArray line = rest.left(lineEnd < 0 ? rest.size() : lineEnd).trimmed();
    if (line.isEmpty())
        return {};
    for (const QByteArray &field : line.split(',')) {
        // Anything but a named rule was never part of the record: an older
        // reader skipped it, and so does this one.
        if (!field.contains('='))
            continue;
        const QString problem = applyRuleField(field, record);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}
} // namespace

QString parseGameRecord(const QByteArray &content, GameRecord *record)
{
    long long values[8] = {};
    int count = 0;
    qsizetype i = 0;
    const qsizetype n = content.size();
    while (count < 8) {
        // Numbers are separated by commas; line breaks and blanks between
        // them are tolerated the way a list reader tolerates them.
        while (i < n && (content[i] == ' ' || content[i] == '\t' || content[i] == '\r' ||
                         content[i] == '\n'))
            ++i;
        qsizetype start = i;
        while (i < n && content[i] != ',' && content[i] != '\r' && content[i] != '\n')
            ++i;
        const QByteArray field = content.mid(start, i - start).trimmed();
        if (field.isEmpty() && i >= n)
            break;
        bool ok = false;
        const long long v = field.toLongLong(&ok);
        if (!ok)
            return QStringLiteral("the game file holds \"%1\" where a number belongs")
                .arg(QString::fromUtf8(field.left(20)));
        values[count++] = v;
        if (i < n && content[i] == ',')
            ++i;
    }
    if (count < 8)
        return QStringLiteral("the game file holds %1 of its 8 numbers").arg(count);
    for (long long v : values)
        if (v < -2147483647LL || v > 2147483647LL)
            return QStringLiteral("the game file holds a number out of range");
    GameRecord r;
    const QString ruleProblem = readRuleFields(content.mid(i), &r);
    if (!ruleProblem.isEmpty())
        return ruleProblem;
    r.gOrder = int32_t(values[0]);
    r.gBase = int32_t(values[1]);
    r.gCards = int16_t(std::clamp<long long>(values[2], -32768, 32767));
    r.hOrder = int32_t(values[3]);
    r.hSpace = int16_t(std::clamp<long long>(values[4], -32768, 32767));
    r.hPiles = int16_t(std::clamp<long long>(values[5], -32768, 32767));
    r.hAk = int16_t(std::clamp<long long>(values[6], -32768, 32767));
    r.hMulti = int16_t(std::clamp<long long>(values[7], -32768, 32767));
    const QString problem = QString::fromLatin1(recordProblem(r));
    if (!problem.isEmpty())
        return problem;
    *record = r;
    return {};
}

QString readGameFile(const QString &path, GameRecord *record)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return QStringLiteral("the game file %1 does not exist").arg(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the game file %1 cannot be read (%2)").arg(path, file.errorString());
    const QByteArray content = file.read(kMaxGameFileBytes);
    return parseGameRecord(content, record);
}

QByteArray gameRecordLine(const GameRecord &r)
{
    return QByteArray::number(r.gOrder) + ',' + QByteArray::number(r.gBase) + ',' +
           QByteArray::number(r.gCards) + ',' + QByteArray::number(r.hOrder) + ',' +
           QByteArray::number(r.hSpace) + ',' + QByteArray::number(r.hPiles) + ',' +
           QByteArray::number(r.hAk) + ',' + QByteArray::number(r.hMulti) + ruleFieldsText(r) + "\r\n";
}

QString writeGameFile(const QString &path, const GameRecord &record)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString());
    const QByteArray line = gameRecordLine(record);
    if (file.write(line) != line.size()) {
        const QString err = file.errorString();
        file.cancelWriting();
        return QStringLiteral("cannot write %1 (%2)").arg(path, err);
    }
    if (!file.commit())
        return QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString());
    return {};
}

} // namespace cardova
