#pragma once
#include "scores/Rankings.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreRec.h"
#include "scores/ScoreRecorder.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace cardova {

class cData;
class StatPrompt;

// The score store: the players' score files and the records loaded from
// them, the ranking table, the games of this run and the favourites.
// Indexes of the accessors count from 1 as the dialogs do; an index out of
// range gives an empty record.
class cScore : public ScoreRecorder {
public:
    explicit cScore(const cData &data);

    // Where "now" comes from (the game context's clock); the system clock by
    // default.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    QDateTime now() const { return clock_(); }
    // The locale of the dates and labels shown to the player.
    void setLocale(const QLocale &locale) { locale_ = locale; }
    const QLocale &locale() const { return locale_; }

    // Score files.
    bool AddScore(int16_t mWon) override;
    void AddSesGame(int16_t mWon) override;
    // Appends a player's file to the loaded records. False when the file
    // exists but could not be read.
    bool OpenScore(const QString &player);
    void OpenAllScore();
    void CloseScore();
    // Asks, then deletes every player's score file. True when the files are gone.
    bool ClearStat(StatPrompt &prompt);
    int32_t ScoreTop() const { return int32_t(loaded_.records.size()); }
    int16_t SesTop() const;
    // Damaged lines left out by the loads since the last OpenAllScore or CloseScore.
    int64_t SkippedLines() const { return loaded_.skipped; }
    // The score files those loads found but could not read (file names, in
    // player order): their games are missing from the figures.
    const QStringList &UnreadableFiles() const { return loaded_.unreadable; }
    // Why the last AddScore failed; empty after a success.
    QString lastError() const override { return lastError_; }
    QString scoreFilePath(const QString &player) const;

    // Rankings into the top table.
    void Sort(const QString &gName, const QString &player, int16_t won);
    void FinSort(bool time, bool moves);
    // Filled slots of the table, counted from slot 1.
    int TopCount() const { return loaded_.topCount; }

    // Summaries and records.
    StatSum SumAll() const;
    StatSum SumGame(const QString &gName) const;
    StatSum SumPlayer(const QString &player) const;
    PeriodSum SumPeriod(const QString &dateText, const QString &interval) const;
    StatSum SumSession() const;
    ScoreRec GetScoreRec(int32_t i) const;
    ScoreRec GetGameRec(const QString &gName, int32_t n) const;
    ScoreRec GetTopRec(int i) const;
    ScoreRec GetSesRec(int i) const;
    const std::vector<ScoreRec> &loaded() const { return loaded_.records; }

    // Favourites.
    void OpenFav();
    bool AddFav(const QString &mName, const GameNumber &mGno);
    int16_t FavTop() const { return int16_t(favs_.size()); }
    void CloseFav() { favs_.clear(); }
    // Deletes the favourites file. False when it exists and stays.
    bool ClearFav();
    FavRec GetFavRec(int i) const;
    int64_t FavSkippedLines() const { return favSkipped_; }
    QString favFilePath() const;

    // The statistics export of the loaded records (see StatExport.h). False,
    // with a reason, when the file could not be written.
    bool WriteStatFile(const QString &path, QString *error = nullptr) const;
    // The export as the dialog runs it after choosing the file: load every
    // player and write. What was loaded before stays loaded: a statistics
    // window that runs the export goes on drawing on it. `unreadable`
    // receives the score files that could not be read for the export.
    bool ExportStat(const QString &path, QString *error = nullptr, QStringList *unreadable = nullptr);

    const cData &data() const { return data_; }

private:
    const cData &data_;
    std::function<QDateTime()> clock_;
    QLocale locale_;
    // What OpenScore and OpenAllScore loaded, and the rankings drawn from it.
    struct Loaded {
        std::vector<ScoreRec> records;
        TopTable top{};
        int topCount = 0;
        int64_t skipped = 0;
        QStringList unreadable;
        NameCache names;
    };
    Loaded loaded_;
    std::vector<ScoreRec> session_;
    std::vector<FavRec> favs_;
    int64_t favSkipped_ = 0;
    QString lastError_;
    // The game on the table as a record (no date, no player).
    ScoreRec currentGame(int16_t mWon) const;
    // GetGameRec walks on from its last answer when asked for the next n of
    // the same game, so listing a game's records stays linear.
    mutable QString cursorGame_;
    mutable int32_t cursorN_ = 0;
    mutable size_t cursorIndex_ = 0;
};

} // namespace cardova
