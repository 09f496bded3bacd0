#include "scores/Summaries.h"

#include "scores/DateText.h"

#include <limits>

namespace cardova {

namespace {
// Sums are kept wide and saturated at the end: 200,000 games of an hour
// each would overflow 32 bits.
struct Totals {
    int64_t played = 0, won = 0, score = 0, moves = 0, time = 0;
    void add(const ScoreRec &r)
    {
        ++played;
        won += r.Won == 1 ? 1 : 0;
        score += r.Score;
        moves += r.Moves;
        time += r.Time;
    }
};

int32_t sat32(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

StatSum toStatSum(const Totals &t)
{
    StatSum s;
    s.Played = sat32(t.played);
    s.Won = sat32(t.won);
    s.Lost = sat32(t.played - t.won);
    s.Score = sat32(t.score);
    s.Moves = sat32(t.moves);
    s.Time = sat32(t.time);
    return s;
}

int32_t dayOfRecord(const ScoreRec &r)
{
    return r.day != ScoreRec::kDayUnknown ? r.day : dayFromText(r.Date);
}
} // namespace

StatSum sumAll(const std::vector<ScoreRec> &list)
{
    Totals t;
    for (const ScoreRec &r : list)
        t.add(r);
    return toStatSum(t);
}

StatSum sumGame(const std::vector<ScoreRec> &list, const QString &gName)
{
    Totals t;
    for (const ScoreRec &r : list)
        if (r.GName == gName)
            t.add(r);
    return toStatSum(t);
}

StatSum sumPlayer(const std::vector<ScoreRec> &list, const QString &player)
{
    Totals t;
    for (const ScoreRec &r : list)
        if (r.Player == player)
            t.add(r);
    return toStatSum(t);
}

PeriodSum sumPeriod(const std::vector<ScoreRec> &list, const QString &dateText,
                    const QString &interval, const QLocale &locale)
{
    PeriodSum result;
    const QDate date = dateTimeFromText(dateText).date();
    if (!date.isValid())
        return result;
    QDate first = date, last = date;
    QString format;
    if (interval == QLatin1String("d")) {
        format = QStringLiteral("MMM dd");
    } else if (interval == QLatin1String("m")) {
        first = QDate(date.year(), date.month(), 1);
        last = first.addMonths(1).addDays(-1);
        format = QStringLiteral("MMM yy");
    } else if (interval == QLatin1String("yyyy")) {
        first = QDate(date.year(), 1, 1);
        last = QDate(date.year(), 12, 31);
        format = QStringLiteral("yyyy");
    } else {
        return result;
    }
    const int64_t lo = first.toJulianDay(), hi = last.toJulianDay();
    Totals t;
    for (const ScoreRec &r : list) {
        const int32_t day = dayOfRecord(r);
        if (day != ScoreRec::kNoDate && day >= lo && day <= hi)
            t.add(r);
    }
    const StatSum s = toStatSum(t);
    result.Played = s.Played;
    result.Won = s.Won;
    result.Lost = s.Lost;
    result.Label = locale.toString(date, format);
    result.Score = s.Score;
    result.Moves = s.Moves;
    result.Time = s.Time;
    return result;
}

} // namespace cardova
