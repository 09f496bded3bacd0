#pragma once
#include "settings/GameNumber.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QSettings;

namespace cardova {

// Keys of the "Data" section that hold 16-bit numbers.
enum class IntKey {
    Autoplay,
    ShowToolbar,
    CardSpeed,
    UndoSpeed,
    UndoallSpeed,
    ReplaySpeed,
    SoundStart,
    SoundCardDown,
    SoundCardUp,
    SoundUndo,
    SoundRedo,
    SoundAutoPlay,
    SoundWin,
    ShowTime,
    ShowScore,
    ShowMoves,
    BGIndex,
    RangeIndex,
    DeckIndex,
    Fade,
    ShowWinnable,
    ContinueGame, // 1: a game on the table when the window closes is kept for the next start
    FitTable,     // 1: the table is zoomed to fill the window; 0: drawn at its fixed size
    WinnableOnly, // 1: a new game with a random number deals only deals proven winnable
    Count
};

constexpr int kMaxPlayers = 20;
constexpr int kRecentSlots = 5;

// The program's memory: identity, the game-name table, the state of the game
// on the table, and every persistent setting, player and recent game. Settings
// live in an INI store (groups "Data", "Users", "Recent"); they are read once
// into memory and written through, and synced, on every change.
class cData {
public:
    // settingsFile empty: the user's own store. appDir empty: the user's
    // application-data folder.
    explicit cData(const QString &settingsFile = QString(), const QString &appDir = QString());
    ~cData();
    cData(const cData &) = delete;
    cData &operator=(const cData &) = delete;

    void InitCD(const QString &cProdName, int16_t cTotalGames, const QString &cHelpFile);
    const QString &ProdName() const { return prodName_; }
    const QString &HelpFile() const { return helpFile_; }
    // The data folder, always ending in "/".
    QString AppDir() const;
    // The data folder of a product when no folder was given: what AppDir
    // gives before a cData exists (the program's lock lives there).
    static QString defaultAppDir(const QString &prodName);
    // Path of a file in the data folder named after a game or player.
    QString dataFilePath(const QString &name, const QString &extension) const;

    // Game-name table, ids 1..TotalGames.
    int16_t TotalGames() const { return int16_t(gameNames_.size()); }
    void SetTotalGames(int16_t n);
    void SetGame(int16_t gid, const QString &gName);
    QString GetGName(int16_t gid) const;
    int16_t GetGameID(const QString &gName) const;

    // "Data" settings.
    int16_t intSetting(IntKey key) const { return ints_[size_t(key)]; }
    void setIntSetting(IntKey key, int16_t value);
    static int16_t defaultOf(IntKey key);
    static const char *keyName(IntKey key);

    int16_t Autoplay() const { return intSetting(IntKey::Autoplay); }
    void SetAutoplay(int16_t v) { setIntSetting(IntKey::Autoplay, v); }
    int16_t ShowToolbar() const { return intSetting(IntKey::ShowToolbar); }
    int16_t CardSpeed() const { return intSetting(IntKey::CardSpeed); }
    int16_t UndoSpeed() const { return intSetting(IntKey::UndoSpeed); }
    int16_t UndoallSpeed() const { return intSetting(IntKey::UndoallSpeed); }
    int16_t ReplaySpeed() const { return intSetting(IntKey::ReplaySpeed); }
    int16_t ShowTime() const { return intSetting(IntKey::ShowTime); }
    int16_t ShowScore() const { return intSetting(IntKey::ShowScore); }
    int16_t ShowMoves() const { return intSetting(IntKey::ShowMoves); }
    // The menu bar tells whether the game can still be won.
    int16_t ShowWinnable() const { return intSetting(IntKey::ShowWinnable); }
    int16_t BGIndex() const { return intSetting(IntKey::BGIndex); }
    int16_t RangeIndex() const { return intSetting(IntKey::RangeIndex); }
    int16_t DeckIndex() const { return intSetting(IntKey::DeckIndex); }
    int16_t Fade() const { return intSetting(IntKey::Fade); }
    int16_t ContinueGame() const { return intSetting(IntKey::ContinueGame); }
    int16_t FitTable() const { return intSetting(IntKey::FitTable); }
    int16_t WinnableOnly() const { return intSetting(IntKey::WinnableOnly); }
    int32_t CustomColor() const { return customColor_; }
    void SetCustomColor(int32_t color);
    QString LastGName() const;
    void SetLastGName(const QString &name);

    // Players: slots 1..20 and the current player (key "100").
    int16_t TotalPlayers() const;
    QString GetPlayer(int16_t slot) const;
    void SetPlayer(int16_t slot, const QString &playerName, bool curPl);
    const QString &CurPlayer() const { return curPlayer_; }
    void SetCurPlayer(const QString &name);

    // Recent games, positions 1..5, 1 the newest.
    QString GetRecent(int16_t pos) const;
    void SetRecent(const QString &gName);
    int16_t RecentCount() const;
    void ClearRecent();

    // State of the game on the table, memory only.
    const QString &CurGName() const { return curGName_; }
    void SetCurGName(const QString &name); // also stores LastGName
    const GameNumber &CurGNo() const { return curGNo_; }
    void SetCurGNo(const GameNumber &no) { curGNo_ = no; }
    int32_t CurTime = 0;
    int16_t CurMoves = 0;
    int16_t CurScore = 0;
    QDateTime SesStartTime;
    QDateTime GameStartTime;

    // Where a window stood and how large it was, in the "Window" group under
    // the window's name: the bytes the window saved, and its frame as
    // "x y width height". Empty when nothing was saved.
    QByteArray windowGeometry(const QString &window) const;
    QString windowFrame(const QString &window) const;
    void setWindowGeometry(const QString &window, const QByteArray &geometry, const QString &frame);

    // False when the store could not be written (read-only file, full disk).
    bool storeWritable() const;

    // Where the player is told, once each, that the settings file was damaged
    // or that settings cannot be saved. What was found before a receiver was
    // set is handed over when it is set.
    void setProblemReport(std::function<void(const QString &)> report);

private:
    void openStore(const QString &settingsFile);
    void restartStore(const QString &path);
    void loadAll();
    void closePlayerGaps();
    void writeValue(const QString &key, const QString &value);
    void storeValue(const QString &key, const QString &value);
    void sync();
    void report(const QString &text);

    std::unique_ptr<QSettings> store_;
    // False while a damaged file that could not be kept aside stands where
    // the store would write.
    bool mayWrite_ = true;
    bool unsavedReported_ = false;
    QStringList pendingProblems_;
    std::function<void(const QString &)> report_;
    QString appDirOverride_;
    QString prodName_ = QStringLiteral("Cardova");
    QString helpFile_ = QStringLiteral("cdv.chm");
    QStringList gameNames_;
    std::array<int16_t, size_t(IntKey::Count)> ints_{};
    int32_t customColor_ = 128;
    QString lastGName_;
    bool lastGNameStored_ = false;
    std::array<QString, kMaxPlayers> players_;
    QString curPlayer_;
    std::array<QString, kRecentSlots> recent_;
    QString curGName_;
    GameNumber curGNo_;
};

} // namespace cardova
