#include "scores/cScore.h"

#include "common/Numeric.h"
#include "scores/DateText.h"
#include "scores/Favourites.h"
#include "scores/RecordLine.h"
#include "common/PrintableText.h"
#include "scores/StatExport.h"
#include "scores/StatPrompt.h"
#include "scores/Summaries.h"
#include "settings/cData.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace cardova {

namespace {
const QString kScoreExt = QStringLiteral(".sre");
constexpr size_t kMaxFavs = 32767; // FavTop is 16-bit

template <class T>
T recordAt(const std::vector<T> &list, int64_t i)
{
    return i >= 1 && i <= int64_t(list.size()) ? list[size_t(i - 1)] : T{};
}
} // namespace

cScore::cScore(const cData &data)
    : data_(data), clock_([] { return QDateTime::currentDateTime(); })
{
}

QString cScore::scoreFilePath(const QString &player) const
{
    return data_.dataFilePath(player, kScoreExt);
}

QString cScore::favFilePath() const { return data_.AppDir() + QStringLiteral("tbr.fav"); }

bool cScore::AddScore(int16_t mWon)
{
    lastError_.clear();
    // Without a player the line would land in a file no player ever loads.
    if (data_.CurPlayer().isEmpty()) {
        lastError_ = QStringLiteral("no current player");
        return false;
    }
    ScoreRec rec = currentGame(mWon);
    rec.Date = dateTimeText(now());
    return appendLineToFile(scoreFilePath(data_.CurPlayer()), scoreLine(rec), &lastError_);
}

void cScore::AddSesGame(int16_t mWon)
{
    ScoreRec rec = currentGame(mWon);
    rec.Player = data_.CurPlayer();
    session_.push_back(std::move(rec));
}

ScoreRec cScore::currentGame(int16_t mWon) const
{
    ScoreRec rec;
    rec.GName = data_.CurGName();
    rec.GNo = data_.CurGNo();
    rec.Time = data_.CurTime;
    rec.Moves = data_.CurMoves;
    rec.Score = data_.CurScore;
    rec.Won = mWon;
    return rec;
}

int16_t cScore::SesTop() const { return clamp16((long long)session_.size()); }

bool cScore::OpenScore(const QString &player)
{
    cursorN_ = 0;
    const QString path = scoreFilePath(player);
    const ReadResult r = readScoreFile(path, player, loaded_.names, loaded_.records);
    loaded_.skipped += r.skipped;
    if (r.failed)
        loaded_.unreadable << QFileInfo(path).fileName();
    return !r.failed;
}

void cScore::OpenAllScore()
{
    CloseScore();
    // Read every file first so the list is sized once: growing it file by
    // file would move all records loaded so far each time.
    const int16_t players = data_.TotalPlayers();
    std::vector<QByteArray> contents(size_t(std::max<int16_t>(players, 0)));
    size_t lines = 0;
    for (int16_t i = 1; i <= players; ++i) {
        QByteArray &content = contents[size_t(i - 1)];
        const QString path = scoreFilePath(data_.GetPlayer(i));
        if (readWholeFile(path, &content) == ReadStatus::Failed)
            loaded_.unreadable << QFileInfo(path).fileName();
        lines += size_t(countLines(content));
    }
    loaded_.records.reserve(lines);
    for (int16_t i = 1; i <= players; ++i) {
        QByteArray &content = contents[size_t(i - 1)];
        loaded_.skipped += parseScoreFile(content, data_.GetPlayer(i), loaded_.names, loaded_.records).skipped;
        content = QByteArray(); // give each file's memory back once it is parsed
    }
}

void cScore::CloseScore()
{
    // Give the memory back: a statistics dialog may have loaded a lot.
    loaded_ = Loaded{};
    cursorN_ = 0;
}

bool cScore::ClearStat(StatPrompt &prompt)
{
    const QString title = data_.ProdName();
    if (!prompt.ask(title, QStringLiteral("Are you sure you want to clear the Statistics, High Score and "
                                          "Log for all Players and all Games ?")))
        return false;
    QStringList kept;
    const int16_t players = data_.TotalPlayers();
    for (int16_t i = 1; i <= players; ++i) {
        const QString path = scoreFilePath(data_.GetPlayer(i));
        if (QFile::exists(path) && !QFile::remove(path))
            kept << data_.GetPlayer(i);
    }
    if (!kept.isEmpty()) {
        // Never claim the files are gone when one of them is not.
        prompt.inform(title, QStringLiteral("The score files of these players could not be deleted: ") +
                                 printableList(kept));
        return false;
    }
    prompt.inform(title, QStringLiteral("Statistics, High Score and Log have been Cleared."));
    return true;
}

void cScore::Sort(const QString &gName, const QString &player, int16_t won)
{
    loaded_.topCount = rankByScore(loaded_.records, gName, player, won, loaded_.top);
}

void cScore::FinSort(bool time, bool moves)
{
    loaded_.topCount = rankFinished(loaded_.records, time, moves, loaded_.top);
}

StatSum cScore::SumAll() const { return sumAll(loaded_.records); }
StatSum cScore::SumGame(const QString &gName) const { return sumGame(loaded_.records, gName); }
StatSum cScore::SumPlayer(const QString &player) const { return sumPlayer(loaded_.records, player); }
StatSum cScore::SumSession() const { return sumAll(session_); }

PeriodSum cScore::SumPeriod(const QString &dateText, const QString &interval) const
{
    return sumPeriod(loaded_.records, dateText, interval, locale_);
}

ScoreRec cScore::GetScoreRec(int32_t i) const { return recordAt(loaded_.records, i); }
ScoreRec cScore::GetSesRec(int i) const { return recordAt(session_, i); }
FavRec cScore::GetFavRec(int i) const { return recordAt(favs_, i); }

ScoreRec cScore::GetTopRec(int i) const
{
    return i >= 0 && i <= kTopSlots ? loaded_.top[size_t(i)] : ScoreRec{};
}

ScoreRec cScore::GetGameRec(const QString &gName, int32_t n) const
{
    if (n < 1)
        return {};
    size_t index = 0;
    int32_t seen = 0;
    if (cursorN_ > 0 && n >= cursorN_ && gName == cursorGame_) {
        index = cursorIndex_;
        seen = cursorN_ - 1;
    }
    const std::vector<ScoreRec> &records = loaded_.records;
    for (; index < records.size(); ++index) {
        if (records[index].GName != gName)
            continue;
        if (++seen == n) {
            cursorGame_ = gName;
            cursorN_ = n;
            cursorIndex_ = index;
            return records[index];
        }
    }
    return {};
}

void cScore::OpenFav()
{
    favs_.clear();
    const FavReadResult r = readFavFile(favFilePath(), favs_, kMaxFavs);
    favSkipped_ = r.skipped;
}

bool cScore::AddFav(const QString &mName, const GameNumber &mGno)
{
    return appendLineToFile(favFilePath(), favLine(FavRec{mName, mGno}));
}

bool cScore::ClearFav()
{
    const QString path = favFilePath();
    return !QFile::exists(path) || QFile::remove(path);
}

bool cScore::WriteStatFile(const QString &path, QString *error) const
{
    return writeStatFile(*this, path, error);
}

bool cScore::ExportStat(const QString &path, QString *error, QStringList *unreadable)
{
    Loaded kept = std::exchange(loaded_, Loaded{});
    OpenAllScore();
    const bool ok = WriteStatFile(path, error);
    if (unreadable)
        *unreadable = loaded_.unreadable;
    loaded_ = std::move(kept);
    cursorN_ = 0;
    return ok;
}

} // namespace cardova
