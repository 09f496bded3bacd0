#pragma once
#include "rules/GameRecord.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace cardova {

class cData;
class cGames;

// The designed games: the ".gam" files of the data folder, their names in the
// game-name table, and the loader that turns a game record into rules.
class cCustom {
public:
    cCustom(cData &data, cGames &games) : data_(data), games_(games) {}

    // Lists the game files and fills the game-name table: ids 1-3 the
    // standard games, then the designed games in file-name order (case ignored).
    void Init();
    // Takes the file list again without touching the game-name table.
    void RefreshList();

    int16_t TotalGames() const { return int16_t(files_.size()); }
    QString gName(int index) const;
    QString gPath(int index) const;

    // Loads the named game's record into the current record. Returns an empty
    // text on success, else why the game cannot be loaded; the current record
    // is then left as it was.
    QString InitGame(const QString &gName);
    // Loads a record without changing the current one.
    QString LoadRecord(const QString &gName, GameRecord *record) const;
    // Loads the record and sets every rule parameter of the game. Returns an
    // empty text on success; on failure the rules are left unchanged.
    QString SelectGame(const QString &gName);
    // Sets the rules from a record already checked.
    void ApplyRecord(const GameRecord &record);

    // Saves a designed game; empty text on success. A game already listed is
    // written to the file the list found for it.
    QString SaveGame(const QString &gName, const GameRecord &record) const;
    // Where the program names the file of a game.
    QString gamePath(const QString &gName) const;
    // The file that holds a game: the listed file of that name (which may be
    // named otherwise, "Mine.GAM"), else gamePath.
    QString gameFilePath(const QString &gName) const;

    const GameRecord &record() const { return current_; }
    int16_t gOrder() const { return int16_t(current_.gOrder); }
    int16_t gBase() const { return int16_t(current_.gBase); }
    int16_t gCards() const { return current_.gCards; }
    int16_t hOrder() const { return int16_t(current_.hOrder); }
    int16_t hSpace() const { return current_.hSpace; }
    int16_t hPiles() const { return current_.hPiles; }
    int16_t hAk() const { return current_.hAk; }
    int16_t hMulti() const { return current_.hMulti; }
    int16_t rPiles() const { return 0; }
    int16_t rCards() const { return 0; }

private:
    cData &data_;
    cGames &games_;
    QStringList files_; // file names, sorted without regard to case
    QStringList names_; // the game name of each file
    GameRecord current_;
};

} // namespace cardova
