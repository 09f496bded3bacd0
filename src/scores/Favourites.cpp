#include "scores/Favourites.h"

#include "scores/RecordLine.h"

namespace cardova {

QByteArray favLine(const FavRec &fav)
{
    QByteArray line;
    appendQuoted(line, fav.GName);
    line += ',';
    appendGameNumber(line, fav.GNo);
    line += "\r\n";
    return line;
}

bool parseFavLine(const char *begin, const char *end, FavRec *fav)
{
    RawField f[2];
    if (splitRecordLine(begin, end, f, 2) != 2 || !f[0].quoted)
        return false;
    const auto number = fieldGameNumber(f[1]);
    if (!number)
        return false;
    fav->GName = fieldText(f[0]);
    fav->GNo = *number;
    return true;
}

FavReadResult readFavFile(const QString &path, std::vector<FavRec> &list, size_t maxCount)
{
    FavReadResult result;
    QByteArray buffer;
    const ReadStatus status = readWholeFile(path, &buffer);
    if (status != ReadStatus::Ok) {
        result.failed = status == ReadStatus::Failed;
        return result;
    }
    list.reserve(list.size() + std::min(size_t(countLines(buffer)), maxCount));
    forEachLine(buffer, [&](const char *b, const char *e) {
        if (isBlankLine(b, e) || list.size() >= maxCount)
            return;
        FavRec fav;
        if (parseFavLine(b, e, &fav))
            list.push_back(std::move(fav));
        else
            ++result.skipped;
    });
    return result;
}

} // namespace cardova
