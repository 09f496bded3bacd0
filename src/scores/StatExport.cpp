#include "scores/StatExport.h"

#include "common/FormatTime.h"
#include "scores/DateText.h"
#include "scores/ExportLine.h"
#include "scores/cScore.h"
#include "settings/cData.h"

#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <memory>

namespace cardova {

namespace {
// Collects lines and hands them to the file in large pieces.
class LineWriter {
public:
    explicit LineWriter(QSaveFile &file) : file_(file) { buffer_.reserve(kChunk + 4096); }
    void line(const QString &text)
    {
        buffer_ += text.toUtf8();
        buffer_ += "\r\n";
        if (buffer_.size() >= kChunk)
            flush();
    }
    void line(const ExportLine &l) { line(l.str()); }
    void blank() { line(QStringLiteral(" ")); }
    bool flush()
    {
        if (ok_ && !writeAll())
            ok_ = false;
        buffer_.clear();
        return ok_;
    }
    // The system's reason for the first failed write.
    const QString &reason() const { return reason_; }

private:
    // A short write sets no error by itself; the write of the rest fails with
    // the reason (a full disk), which the message must keep.
    bool writeAll()
    {
        for (qsizetype done = 0; done < buffer_.size();) {
            const qint64 n = file_.write(buffer_.constData() + done, buffer_.size() - done);
            if (n <= 0) {
                reason_ = file_.errorString();
                return false;
            }
            done += n;
        }
        return true;
    }

    static constexpr qsizetype kChunk = 1 << 20;
    QSaveFile &file_;
    QByteArray buffer_;
    QString reason_;
    bool ok_ = true;
};

// Played, Won, [Lost,] Time, Moves, Score after the row's leading items.
void sumItems(ExportLine &l, const StatSum &s, bool withLost)
{
    l.number(s.Played).column().number(s.Won).column();
    if (withLost)
        l.number(s.Lost).column();
    l.text(FormatTime(s.Time)).column().number(s.Moves).column().number(s.Score);
}

QString shortDate(const QLocale &locale, const QDate &date)
{
    return locale.toString(date, QLocale::ShortFormat);
}

void writeHeader(LineWriter &out, const cScore &scores)
{
    const cData &data = scores.data();
    out.line(data.ProdName() + QStringLiteral(" Score Board"));
    out.blank();
    out.line(QStringLiteral("*************************"));
    out.blank();
    out.line(ExportLine().text(QStringLiteral("Created By")).column().text(data.CurPlayer()));
    const QDateTime now = scores.now();
    const QString created = shortDate(scores.locale(), now.date()) + QLatin1Char(' ') +
                            now.time().toString(QStringLiteral("HH:mm:ss"));
    out.line(ExportLine().text(QStringLiteral("Created Date")).column().text(created));
    out.blank();
    out.line(QStringLiteral("----------------------------------"));
    out.blank();
}

void writeGeneral(LineWriter &out, const cScore &scores)
{
    out.line(QStringLiteral("General Statistics"));
    out.line(QStringLiteral("------------------"));
    ExportLine titles;
    for (const char *t : {"Played", "Won", "Lost", "Time", "Moves"})
        titles.text(QLatin1String(t)).column();
    out.line(titles.text(QStringLiteral("Score")));
    ExportLine totals;
    sumItems(totals, scores.SumAll(), true);
    out.line(totals);
    out.blank();
    out.blank();
}

void writePlayers(LineWriter &out, const cScore &scores)
{
    const cData &data = scores.data();
    out.line(QStringLiteral("Player Statistics"));
    out.line(QStringLiteral("-----------------"));
    ExportLine titles;
    for (const char *t : {"Player", "Played", "Won", "Lost", "Time", "Moves"})
        titles.text(QLatin1String(t)).column();
    out.line(titles.text(QStringLiteral("Score")));
    const int16_t players = data.TotalPlayers();
    for (int16_t i = 1; i <= players; ++i) {
        const QString name = data.GetPlayer(i);
        ExportLine l;
        l.text(name).column();
        sumItems(l, scores.SumPlayer(name), true);
        out.line(l);
    }
    out.blank();
    out.blank();
}

// Game names are padded to 25 characters so the figures line up under
// "Played". A longer name is written whole, followed directly by its figures:
// the name matters more than the alignment of one row.
void writeGames(LineWriter &out, const cScore &scores)
{
    constexpr int kNameWidth = 25;
    const cData &data = scores.data();
    out.line(QStringLiteral("Games Statistics"));
    out.line(QStringLiteral("----------------"));
    ExportLine titles;
    titles.text(QStringLiteral("Game")).spaces(21).text(QStringLiteral("Played")).column();
    for (const char *t : {"Won", "Time", "Moves"})
        titles.text(QLatin1String(t)).column();
    out.line(titles.text(QStringLiteral("Score")));
    const int16_t games = data.TotalGames();
    for (int16_t id = 1; id <= games; ++id) {
        const QString name = data.GetGName(id);
        ExportLine l;
        l.text(name).spaces(kNameWidth - int(name.size()));
        sumItems(l, scores.SumGame(name), false);
        out.line(l);
    }
    out.blank();
    out.blank();
}

// Short dates of the records. Consecutive records mostly share a day, so the
// last text is kept; the day comes from the one found when the file was read.
// A stored date that does not read as a date is written as it is stored.
class RecordDates {
public:
    explicit RecordDates(const QLocale &locale) : locale_(locale) {}
    QString text(const ScoreRec &r)
    {
        const int32_t day = r.day != ScoreRec::kDayUnknown ? r.day : dayFromText(r.Date);
        if (day == ScoreRec::kNoDate)
            return r.Date;
        if (day != lastDay_) {
            lastDay_ = day;
            lastText_ = shortDate(locale_, QDate::fromJulianDay(day));
        }
        return lastText_;
    }

private:
    const QLocale &locale_;
    int32_t lastDay_ = ScoreRec::kDayUnknown;
    QString lastText_;
};

// FormatTime of the record times. Playing times repeat a lot across many
// records, so recent texts are kept in a small table indexed by the value.
class RecordTimes {
public:
    const QString &text(int32_t seconds)
    {
        Entry &e = table_[size_t(uint32_t(seconds) % table_.size())];
        if (!e.valid || e.seconds != seconds) {
            e.seconds = seconds;
            e.text = FormatTime(seconds);
            e.valid = true;
        }
        return e.text;
    }

private:
    struct Entry {
        int32_t seconds = 0;
        bool valid = false;
        QString text;
    };
    std::array<Entry, 4096> table_;
};

void writeRecords(LineWriter &out, const cScore &scores)
{
    out.line(QStringLiteral("Full Statistics"));
    out.line(QStringLiteral("--------------"));
    ExportLine titles;
    for (const char *t : {"Date", "Game", "Player", "Status", "Score", "Moves", "Time"})
        titles.text(QLatin1String(t)).column();
    out.line(titles.text(QStringLiteral("Game No")));
    RecordDates dates(scores.locale());
    auto times = std::make_unique<RecordTimes>();
    for (const ScoreRec &r : scores.loaded()) {
        ExportLine l;
        l.text(dates.text(r)).column();
        l.text(firstChars(r.GName, 12)).column().text(firstChars(r.Player, 12)).column();
        l.text(r.Won == 1 ? QStringLiteral("Won") : QStringLiteral("Lost")).column();
        l.number(r.Score).column().number(r.Moves).column();
        l.text(times->text(r.Time)).spaces(5).gameNumber(r.GNo);
        out.line(l);
    }
}
} // namespace

bool writeStatFile(const cScore &scores, const QString &path, QString *error)
{
    // Writing replaces the target by a new file: a folder, a device or a pipe
    // chosen by mistake must stay what it is.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        if (error)
            *error = QStringLiteral("it is not an ordinary file (it may be a folder or a device)");
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so every failed write is seen where it happens, with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    LineWriter out(file);
    writeHeader(out, scores);
    writeGeneral(out, scores);
    writePlayers(out, scores);
    writeGames(out, scores);
    writeRecords(out, scores);
    if (!out.flush() || !file.commit()) {
        if (error)
            *error = out.reason().isEmpty() ? file.errorString() : out.reason();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace cardova
