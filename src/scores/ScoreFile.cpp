#include "scores/ScoreFile.h"

#include "scores/DateText.h"
#include "scores/RecordLine.h"

#include <limits>

namespace cardova {

QString NameCache::get(QByteArrayView utf8)
{
    // Records of one game usually follow each other: try the last hit first.
    if (last_ < names_.size() && QByteArrayView(names_[last_].first) == utf8)
        return names_[last_].second;
    for (size_t i = 0; i < names_.size(); ++i) {
        if (QByteArrayView(names_[i].first) == utf8) {
            last_ = i;
            return names_[i].second;
        }
    }
    QString name = QString::fromUtf8(utf8.data(), utf8.size());
    // A file of endless different names must not make every lookup slower.
    if (names_.size() < 256) {
        names_.emplace_back(utf8.toByteArray(), name);
        last_ = names_.size() - 1;
    }
    return name;
}

QByteArray scoreLine(const ScoreRec &rec)
{
    QByteArray line;
    line.reserve(64 + rec.GName.size());
    appendQuoted(line, rec.Date);
    line += ',';
    appendQuoted(line, rec.GName);
    line += ',';
    appendGameNumber(line, rec.GNo);
    line += ',' + QByteArray::number(rec.Time) + ',' + QByteArray::number(rec.Moves) + ',' +
            QByteArray::number(rec.Score) + ',' + QByteArray::number(rec.Won) + "\r\n";
    return line;
}

bool parseScoreLine(const char *begin, const char *end, NameCache &names, ScoreRec *rec)
{
    constexpr int kFields = 7;
    RawField f[kFields];
    if (splitRecordLine(begin, end, f, kFields) != kFields)
        return false;
    if (!f[0].quoted || !f[1].quoted)
        return false;
    const auto number = fieldGameNumber(f[2]);
    constexpr int64_t lo32 = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi32 = std::numeric_limits<int32_t>::max();
    int64_t time = 0, moves = 0, score = 0, won = 0;
    if (!number || !fieldInt(f[3], lo32, hi32, &time) || !fieldInt(f[4], lo32, hi32, &moves) ||
        !fieldInt(f[5], lo32, hi32, &score) || !fieldInt(f[6], -32768, 32767, &won))
        return false;
    rec->Date = fieldText(f[0]);
    rec->day = dayFromText(f[0].begin, f[0].size);
    rec->GName = f[1].doubledQuotes ? names.get(fieldBytes(f[1]))
                                    : names.get(QByteArrayView(f[1].begin, f[1].size));
    rec->GNo = *number;
    rec->Time = int32_t(time);
    rec->Moves = int32_t(moves);
    rec->Score = int32_t(score);
    rec->Won = int16_t(won);
    return true;
}

ReadResult parseScoreFile(const QByteArray &content, const QString &player, NameCache &names,
                          std::vector<ScoreRec> &list)
{
    ReadResult result;
    forEachLine(content, [&](const char *b, const char *e) {
        if (isBlankLine(b, e))
            return;
        ScoreRec rec;
        if (!parseScoreLine(b, e, names, &rec)) {
            ++result.skipped;
            return;
        }
        rec.Player = player;
        list.push_back(std::move(rec));
        ++result.records;
    });
    return result;
}

ReadResult readScoreFile(const QString &path, const QString &player, NameCache &names,
                         std::vector<ScoreRec> &list)
{
    QByteArray buffer;
    const ReadStatus status = readWholeFile(path, &buffer);
    if (status != ReadStatus::Ok) {
        ReadResult result;
        result.failed = status == ReadStatus::Failed;
        return result;
    }
    reserveMore(list, size_t(countLines(buffer)));
    return parseScoreFile(buffer, player, names, list);
}

} // namespace cardova
