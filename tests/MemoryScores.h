#pragma once
// Keeps whatever EndGame hands over in memory: a test double for the score
// store.
#include "scores/ScoreRecorder.h"
#include "settings/cData.h"

#include <QString>
#include <vector>

namespace cardova::test {

class MemoryScores : public ScoreRecorder {
public:
    struct Entry {
        int16_t won;
        QString game;
        QString number;
        int32_t time;
        int16_t moves;
        int16_t score;
        QString player;
    };
    explicit MemoryScores(const cData &data) : data_(data) {}
    bool AddScore(int16_t mWon) override
    {
        entries.push_back({mWon, data_.CurGName(), data_.CurGNo().toText(), data_.CurTime, data_.CurMoves,
                           data_.CurScore, data_.CurPlayer()});
        return true;
    }
    void AddSesGame(int16_t) override { ++sessionGames; }
    std::vector<Entry> entries;
    int sessionGames = 0;

private:
    const cData &data_;
};

} // namespace cardova::test
