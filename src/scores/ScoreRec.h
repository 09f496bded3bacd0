#pragma once
#include "settings/GameNumber.h"

#include <QString>
#include <cstdint>
#include <limits>

namespace cardova {

// One recorded game. Date keeps the text read from the score file; day is the
// calendar day derived from it when the line was read, so period summaries do
// not parse the text again for every query.
struct ScoreRec {
    static constexpr int32_t kDayUnknown = std::numeric_limits<int32_t>::min();
    static constexpr int32_t kNoDate = kDayUnknown + 1;

    QString Date;
    QString GName;
    GameNumber GNo;
    int32_t Time = 0;
    int32_t Moves = 0;
    int32_t Score = 0;
    int16_t Won = 0;
    QString Player;
    // Julian day of Date; kNoDate when Date does not read as a date;
    // kDayUnknown when not derived yet (records built in memory).
    int32_t day = kDayUnknown;
};

// Totals of a set of records; Lost = Played - Won.
struct StatSum {
    int32_t Played = 0;
    int32_t Won = 0;
    int32_t Lost = 0;
    int32_t Score = 0;
    int32_t Moves = 0;
    int32_t Time = 0;
};

// Totals of the records of one day, month or year.
struct PeriodSum {
    int32_t Played = 0;
    int32_t Won = 0;
    int32_t Lost = 0;
    QString Label;
    int32_t Score = 0;
    int32_t Moves = 0;
    int32_t Time = 0;
};

// One favourite deal.
struct FavRec {
    QString GName;
    GameNumber GNo;
};

} // namespace cardova
