// libFuzzer target for the score-file and favourites readers: any bytes must
// parse without a crash, and every record read must write back to a line
// that reads as the same record. Build and run with tools/fuzz/run.sh.
#include "scores/Favourites.h"
#include "scores/RecordLine.h"
#include "scores/ScoreFile.h"

#include <cstdlib>
#include <vector>

using namespace cardova;

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Line breaks inside texts are written as blanks, so a text number compares
// by value and kind.
bool sameNumber(const GameNumber &a, const GameNumber &b)
{
    return a.isText() == b.isText() && a.toDouble() == b.toDouble();
}

void roundTrip(const ScoreRec &rec, NameCache &names)
{
    QByteArray line = scoreLine(rec);
    line.chop(2); // CR LF
    ScoreRec back;
    check(parseScoreLine(line.constData(), line.constData() + line.size(), names, &back));
    check(sameNumber(back.GNo, rec.GNo) && back.Time == rec.Time && back.Moves == rec.Moves &&
          back.Score == rec.Score && back.Won == rec.Won);
    // A carriage return inside a name is written as a blank.
    if (!rec.GName.contains(QLatin1Char('\r')))
        check(back.GName == rec.GName);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    NameCache names;
    std::vector<ScoreRec> list;
    const ReadResult result = parseScoreFile(content, QStringLiteral("p"), names, list);
    check(result.records == qsizetype(list.size()));
    check(result.records + result.skipped <= countLines(content));
    for (const ScoreRec &rec : list)
        roundTrip(rec, names);

    forEachLine(content, [](const char *b, const char *e) {
        FavRec fav;
        if (!parseFavLine(b, e, &fav))
            return;
        QByteArray line = favLine(fav);
        line.chop(2);
        FavRec back;
        check(parseFavLine(line.constData(), line.constData() + line.size(), &back));
        check(sameNumber(back.GNo, fav.GNo));
    });
    return 0;
}
