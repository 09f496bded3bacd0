// The statistics dialogs' work over a family's score files: 20 players with
// up to 10,000 recorded games each. Times the whole sequence (load every
// file, all summaries, every ranking, 30 day totals, the export) and each
// step, for 50,000, 100,000 and 200,000 records.
//
// Peak memory: /usr/bin/time -v build/bench/bench_scores --benchmark_filter=/200000
#include "scores/DateText.h"
#include "scores/ScoreFile.h"
#include "scores/cScore.h"
#include "settings/cData.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

using namespace cardova;

namespace {
constexpr int kPlayers = 20;
const QDateTime kFirstDay(QDate(2025, 1, 1), QTime(0, 0, 0));

// A data folder with the score files and a settings store naming the players.
struct DataSet {
    QTemporaryDir dir;
    std::unique_ptr<cData> data;
    std::unique_ptr<cScore> scores;
};

std::unique_ptr<DataSet> makeDataSet(int records)
{
    auto set = std::make_unique<DataSet>();
    set->data = std::make_unique<cData>(set->dir.filePath(QStringLiteral("s.ini")),
                                        set->dir.filePath(QStringLiteral("data")));
    cData &data = *set->data;
    data.InitCD(QStringLiteral("Cardova"), 5, QStringLiteral("cdv.chm"));
    const QStringList games = {QStringLiteral("Klondike"), QStringLiteral("Klondike Plus"), QStringLiteral("Lawn"),
                               QStringLiteral("Klondike Game 01"), QStringLiteral("My \"Quick\" Game")};
    for (int g = 0; g < games.size(); ++g)
        data.SetGame(int16_t(g + 1), games[g]);
    set->scores = std::make_unique<cScore>(data);
    QDir().mkpath(data.AppDir());
    QRandomGenerator rng(4711);
    const int perPlayer = records / kPlayers;
    for (int p = 1; p <= kPlayers; ++p) {
        const QString name = QStringLiteral("Player %1").arg(p);
        data.SetPlayer(int16_t(p), name, p == 1);
        QByteArray content;
        content.reserve(perPlayer * 64);
        for (int i = 0; i < perPlayer; ++i) {
            ScoreRec r;
            // About 27 games a day over a year. Built without time-zone
            // lookups, which would make the set-up slow.
            const int64_t secs = int64_t(i) * 365 * 86400 / perPlayer + p;
            r.Date = kFirstDay.date().addDays(secs / 86400).toString(Qt::ISODate) + QLatin1Char(' ') +
                     QTime::fromMSecsSinceStartOfDay(int(secs % 86400) * 1000).toString(QStringLiteral("HH:mm:ss"));
            r.GName = games[int(rng.bounded(int(games.size())))];
            r.GNo = i % 10 ? GameNumber::fromNumber(double(rng.generate64() % 1000000000000000ULL))
                           : *GameNumber::fromText(QString::number(rng.bounded(100000)));
            r.Time = int32_t(60 + rng.bounded(900));
            r.Moves = int32_t(50 + rng.bounded(250));
            r.Score = int32_t(rng.bounded(700)) - 100;
            r.Won = int16_t(rng.bounded(3) == 0);
            content += scoreLine(r);
        }
        QFile f(set->scores->scoreFilePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(f.fileName()));
    }
    return set;
}

DataSet &dataSet(int records)
{
    static std::map<int, std::unique_ptr<DataSet>> sets;
    auto &set = sets[records];
    if (!set)
        set = makeDataSet(records);
    return *set;
}

// Runs one step and adds its time to a counter.
template <class Fn>
void step(std::map<const char *, double> &ms, const char *name, Fn &&fn)
{
    QElapsedTimer t;
    t.start();
    fn();
    ms[name] += double(t.nsecsElapsed()) / 1e6;
}

void BM_StatisticsSequence(benchmark::State &state)
{
    DataSet &set = dataSet(int(state.range(0)));
    cScore &s = *set.scores;
    const cData &data = *set.data;
    const QString out = set.dir.filePath(QStringLiteral("Scoreboard.txt"));
    std::map<const char *, double> ms;
    int64_t checksum = 0;
    for (auto _ : state) {
        step(ms, "open", [&] { s.OpenAllScore(); });
        step(ms, "sums", [&] {
            checksum += s.SumAll().Score;
            for (int16_t g = 1; g <= data.TotalGames(); ++g)
                checksum += s.SumGame(data.GetGName(g)).Played;
            for (int16_t p = 1; p <= data.TotalPlayers(); ++p)
                checksum += s.SumPlayer(data.GetPlayer(p)).Won;
        });
        step(ms, "rank", [&] {
            s.Sort(QString(), QString(), 0);
            s.FinSort(true, false);
            s.FinSort(false, true);
            checksum += s.GetTopRec(1).Score;
        });
        step(ms, "days", [&] {
            for (int d = 0; d < 30; ++d)
                checksum += s.SumPeriod(dateTimeText(kFirstDay.addDays(100 + d)), QStringLiteral("d")).Played;
        });
        step(ms, "export", [&] {
            if (!s.WriteStatFile(out))
                state.SkipWithError("export failed");
        });
        s.CloseScore();
    }
    benchmark::DoNotOptimize(checksum);
    for (const auto &[name, total] : ms)
        state.counters[std::string(name) + "_ms"] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StatisticsSequence)->Arg(50000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);

// Reading 100,000 score lines whose dates are ISO text (what the game
// writes) or the system's short date and time (files of older versions and
// hand-edited files). The second should cost about as much as the first.
enum class DateForm { Iso, Locale };

QByteArray linesWithDates(DateForm form, int count)
{
    const QLocale locale;
    QByteArray content;
    for (int i = 0; i < count; ++i) {
        ScoreRec r;
        const QDateTime when = kFirstDay.addSecs(int64_t(i) * 317);
        r.Date = form == DateForm::Iso ? dateTimeText(when)
                                       : locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                                             locale.toString(when.time(), QLocale::LongFormat);
        r.GName = QStringLiteral("Klondike");
        r.GNo = GameNumber::fromNumber(i);
        r.Time = 100;
        r.Moves = 50;
        r.Score = 10;
        r.Won = 1;
        content += scoreLine(r);
    }
    return content;
}

void BM_ReadDates(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto form = DateForm(state.range(0));
    const QByteArray content = linesWithDates(form, 100000);
    int64_t days = 0;
    for (auto _ : state) {
        std::vector<ScoreRec> list;
        list.reserve(100000);
        NameCache names;
        parseScoreFile(content, QStringLiteral("Ann"), names, list);
        days += list.back().day;
    }
    benchmark::DoNotOptimize(days);
    state.SetLabel(form == DateForm::Iso ? "ISO dates" : "short dates of the locale");
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_ReadDates)->Arg(int(DateForm::Iso))->Arg(int(DateForm::Locale))->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
