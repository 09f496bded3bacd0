// How far the solver gets on dealt games: the first DECKS distinct decks of
// a game (game numbers 1, 2, 3, ... that deal a deck not seen before), each
// searched for at most SECONDS.
//   bench_solver [options]
//     --game NAME       a built-in or designed game, or a classic such as
//                       "FreeCell" or "Yukon" (default Klondike)
//     --record R        a designed record "gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti"
//     --designed        the twenty records of kDesignedRecords, in turn
//     --decks N         decks per game (default 100)
//     --seconds S       budget per deck (default 10)
//     --nodes N         budget per deck in positions instead: the same
//                       verdicts on any machine, however busy
//     --no-autoplay     search with automatic play off
//     --numbers FILE    write the game numbers of the decks used, one a line
//     --quiet           no line per deck
// bench/klondike-decks.txt holds the game numbers of the first 1,000
// distinct Klondike decks, as --numbers writes them.
// Prints, per game, the share decided within 0.1, 1 and 10 seconds and
// within 100,000, 1,000,000 and 10,000,000 positions (the node marks do not
// depend on what else the machine is doing), the verdicts and the positions
// searched per second.
#include "Headless.h"

#include "rules/ClassicGames.h"
#include "session/MoveDriver.h"
#include "session/SolverRequest.h"
#include "settings/GameFile.h"
#include "solver/Solver.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <set>
#include <vector>

using namespace cardova;

namespace {

struct DesignedRecord {
    const char *name;
    const char *record; // gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti
};

// Records across the rule space: every foundation and tableau order, bases
// Ace/King/other/Random, started foundations, every kind of space, four to
// nine piles, wrap and single-card moves.
const DesignedRecord kDesignedRecords[] = {
    {"D01 Colour Up", "1,0,0,4,12,7,0,1"},
    {"D02 Suitless Up", "2,0,0,4,12,7,0,1"},
    {"D03 Down Same Suit", "3,12,0,4,12,7,0,1"},
    {"D04 Colour Down", "4,12,1,4,13,7,0,1"},
    {"D05 Suitless Down", "5,12,2,4,13,7,0,1"},
    {"D06 Random Base", "0,13,0,4,13,7,1,1"},
    {"D07 Sevens", "0,6,4,4,13,7,1,1"},
    {"D08 Up Same Suit", "0,0,0,0,13,7,0,1"},
    {"D09 Up Colour", "0,0,0,1,13,7,1,1"},
    {"D10 Up Any", "0,0,0,2,13,7,0,1"},
    {"D11 Down Any", "0,0,0,5,13,7,0,1"},
    {"D12 Any Card", "0,0,0,6,13,7,0,1"},
    {"D13 Both Ways Suit", "0,0,0,7,13,7,0,1"},
    {"D14 Both Ways Colour", "0,0,0,8,12,7,0,1"},
    {"D15 Both Ways Any", "0,0,0,9,13,7,0,1"},
    {"D16 Four Piles", "0,0,2,4,13,4,0,1"},
    {"D17 Nine Piles", "0,0,0,4,12,9,0,1"},
    {"D18 Queen Spaces", "0,0,0,4,11,8,1,1"},
    {"D19 No Spaces Ace", "0,0,0,4,0,6,0,1"},
    {"D20 One At A Time", "0,0,0,4,12,7,0,0"},
};

struct Options {
    QStringList games{QStringLiteral("Klondike")};
    std::vector<QString> records; // beside games, for designed ones
    int decks = 100;
    double seconds = 10.0;
    uint64_t nodes = 0; // a budget in positions, when set
    bool autoplay = true;
    QString numbersFile;
    bool quiet = false;
};

std::vector<int16_t> deckOf(const GameContext &ctx)
{
    std::vector<int16_t> deck;
    for (int i = 0; i < kDeckSize; ++i)
        deck.push_back(ctx.table.GetRandom(i));
    return deck;
}

const char *verdictName(Verdict v)
{
    return v == Verdict::Winnable ? "winnable" : v == Verdict::NotWinnable ? "not winnable" : "unknown";
}

struct Tally {
    static constexpr std::array<double, 3> kSeconds{0.1, 1.0, 10.0};
    static constexpr std::array<uint64_t, 3> kNodes{100'000, 1'000'000, 10'000'000};
    std::array<int, 3> withinSeconds{};
    std::array<int, 3> withinNodes{};
    std::array<int, 3> verdicts{}; // by Verdict
    uint64_t nodes = 0;
    double seconds = 0;
    int decks = 0;

    void add(const SolveResult &r)
    {
        ++decks;
        ++verdicts[size_t(r.verdict)];
        nodes += r.nodes;
        seconds += r.seconds;
        if (r.verdict == Verdict::Unknown)
            return;
        for (size_t m = 0; m < kSeconds.size(); ++m) {
            withinSeconds[m] += r.seconds <= kSeconds[m] ? 1 : 0;
            withinNodes[m] += r.nodes <= kNodes[m] ? 1 : 0;
        }
    }

    void print(const QString &game, const Options &o) const
    {
        std::printf("\n%s: %d distinct decks, automatic play %s, at most ", qPrintable(game), decks,
                    o.autoplay ? "on" : "off");
        if (o.nodes > 0)
            std::printf("%llu positions each\n", static_cast<unsigned long long>(o.nodes));
        else
            std::printf("%.1f s each\n", o.seconds);
        const double n = decks > 0 ? decks : 1;
        for (size_t m = 0; m < kSeconds.size(); ++m)
            std::printf("  decided within %4.1f s: %5.1f%%   within %8llu positions: %5.1f%%\n", kSeconds[m],
                        100.0 * withinSeconds[m] / n, static_cast<unsigned long long>(kNodes[m]),
                        100.0 * withinNodes[m] / n);
        std::printf("  winnable %d, not winnable %d, unknown %d\n", verdicts[size_t(Verdict::Winnable)],
                    verdicts[size_t(Verdict::NotWinnable)], verdicts[size_t(Verdict::Unknown)]);
        std::printf("  %.0f positions per second (%llu in %.1f s)\n", seconds > 0 ? nodes / seconds : 0.0,
                    static_cast<unsigned long long>(nodes), seconds);
    }
};

// Solves the first o.decks distinct decks of one game; returns their numbers.
std::vector<int> benchGame(Headless &h, const QString &game, const Options &o)
{
    Budget budget = o.nodes > 0 ? Budget::ofNodes(o.nodes) : Budget();
    if (o.nodes == 0)
        budget.maxSeconds = o.seconds;
    Tally tally;
    std::vector<int> numbers;
    std::set<std::vector<int16_t>> seen;
    for (int number = 1; int(seen.size()) < o.decks; ++number) {
        NewGame(*h.ctx, game, GameNumber::fromNumber(number));
        if (!h.ctx->GameRunning()) {
            std::fprintf(stderr, "cannot deal %s\n", qPrintable(game));
            return numbers;
        }
        if (!seen.insert(deckOf(*h.ctx)).second)
            continue;
        numbers.push_back(number);
        const Rules rules = currentRules(*h.ctx);
        const bool autoplay = autoplayFollows(*h.ctx);
        const SolveResult r = solve(currentPosition(*h.ctx, rules), rules, autoplay, budget);
        tally.add(r);
        if (!o.quiet) {
            std::printf("%s %d: %s, %llu positions, %.3f s\n", qPrintable(game), number, verdictName(r.verdict),
                        static_cast<unsigned long long>(r.nodes), r.seconds);
            std::fflush(stdout);
        }
    }
    tally.print(game, o);
    std::fflush(stdout);
    return numbers;
}

bool parse(int argc, char **argv, Options &o)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == QLatin1String("--game") && hasValue) {
            o.games = {QString::fromLocal8Bit(argv[++i])};
            o.records.clear();
            // A classic is played as the designed game its record makes.
            if (const auto classic = classicRecord(o.games.front()))
                o.records = {QString::fromLatin1(gameRecordLine(*classic).trimmed())};
        }
        else if (arg == QLatin1String("--record") && hasValue)
            o.games = {QStringLiteral("Designed")}, o.records = {QString::fromLocal8Bit(argv[++i])};
        else if (arg == QLatin1String("--designed")) {
            o.games.clear();
            o.records.clear();
            for (const DesignedRecord &d : kDesignedRecords)
                o.games << QString::fromLatin1(d.name), o.records.push_back(QString::fromLatin1(d.record));
        } else if (arg == QLatin1String("--decks") && hasValue)
            o.decks = QString::fromLocal8Bit(argv[++i]).toInt();
        else if (arg == QLatin1String("--seconds") && hasValue)
            o.seconds = QString::fromLocal8Bit(argv[++i]).toDouble();
        else if (arg == QLatin1String("--nodes") && hasValue)
            o.nodes = QString::fromLocal8Bit(argv[++i]).toULongLong();
        else if (arg == QLatin1String("--no-autoplay"))
            o.autoplay = false;
        else if (arg == QLatin1String("--numbers") && hasValue)
            o.numbersFile = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--quiet"))
            o.quiet = true;
        else
            return false;
    }
    return o.decks > 0 && o.seconds > 0;
}

void writeNumbers(const QString &path, const std::vector<int> &numbers)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    QTextStream out(&file);
    for (int n : numbers)
        out << n << '\n';
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: bench_solver [--game NAME | --record R | --designed] [--decks N] "
                             "[--seconds S | --nodes N] [--no-autoplay] [--numbers FILE] [--quiet]\n");
        return 2;
    }
    Headless h;
    h.ctx->data.SetAutoplay(o.autoplay ? 1 : 0);
    for (qsizetype g = 0; g < o.games.size(); ++g) {
        if (size_t(g) < o.records.size()) {
            QFile record(h.dir.filePath(o.games[g] + QStringLiteral(".gam")));
            if (!record.open(QIODevice::WriteOnly) || record.write(o.records[size_t(g)].toLatin1() + "\r\n") < 0)
                return 1;
            record.close();
            h.ctx->custom.Init();
        }
        const std::vector<int> numbers = benchGame(h, o.games[g], o);
        if (!o.numbersFile.isEmpty())
            writeNumbers(o.numbersFile, numbers);
    }
    return 0;
}
