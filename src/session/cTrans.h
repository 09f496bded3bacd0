#pragma once
#include <QString>
#include <cstdint>
#include <vector>

namespace cardova {

class GameContext;

// One logged card move, with the cards riding on it.
struct TransRecord {
    int16_t PicID = 0;
    int16_t SCell = 0;
    int16_t SPile = 0;
    int16_t SPos = 0;
    int16_t DCell = 0;
    int16_t DPile = 0;
    int16_t DPos = 0;
    int16_t mCards = 0;
    int32_t tMod = 0;
    int16_t Multi = 0; // 1: belongs to an open group and is not its last record

    bool operator==(const TransRecord &) const = default;
};

// One row of the move history.
struct HistoryRow {
    enum class Mark { None, Current, Redo };
    int number;
    QString source;
    QString destination;
    int cards;
    Mark mark;
};

// The move log of one game: undo, redo and the move counter. A fresh log is
// made for every game.
class cTrans {
public:
    // Positions are 16-bit: a game holds at most this many logged moves.
    static constexpr int kMaxMoves = 32767;

    explicit cTrans(GameContext &ctx);

    void SaveTrans(int16_t picId, int16_t dCell, int16_t dPile, int16_t dPos, int16_t mCards,
                   int32_t tMod);
    bool Undo(int16_t &speed);
    bool Redo(int16_t &speed);
    void UndoAll(int16_t &speed);
    void RedoAll(int16_t &speed);

    int16_t GetTransID() const { return TransPos; }
    bool UndoPossible() const { return TransPos > 0; }
    bool RedoPossible() const { return TransPos < TransTop; }
    void StartMulti() { MultiFlag = 1; }
    void EndMulti();

    // Room left for logged moves; an action that could need more is refused.
    int freeMoves() const { return kMaxMoves - TransPos; }
    // How often the waste was turned back in the moves made so far (up to
    // TransPos): each turn-back is one group of recycle records.
    int turnBacksMade() const;

    static QString ConvertCell(int cell);
    std::vector<HistoryRow> CreateLV() const;
    const TransRecord &record(int i) const { return records_[size_t(i)]; }
    // Takes over a log read back from a saved game: `records` become records
    // 1..n (at most kMaxMoves are kept) and `pos` of them count as made, so
    // Undo and Redo carry the table along them. The table must already show
    // the first `pos` records made.
    void loadRecords(const std::vector<TransRecord> &records, int16_t pos);

    int16_t TransPos = 0;
    int16_t TransTop = 0;
    int16_t TransCap = 100;
    int16_t MultiFlag = 0;

private:
    GameContext &ctx_;
    std::vector<TransRecord> records_;
};

} // namespace cardova
