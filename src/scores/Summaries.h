#pragma once
// Totals over the loaded records; each is one pass over the list.
#include "scores/ScoreRec.h"

#include <QLocale>
#include <QString>
#include <vector>

namespace cardova {

StatSum sumAll(const std::vector<ScoreRec> &list);
StatSum sumGame(const std::vector<ScoreRec> &list, const QString &gName);
StatSum sumPlayer(const std::vector<ScoreRec> &list, const QString &player);

// Totals of the records dated in the same calendar day ("d"), month ("m") or
// year ("yyyy") as dateText. Label: "MMM dd", "MMM yy" or "yyyy" in the given
// locale. A date text that does not read, or another interval, gives zeros
// and an empty label. Records whose date does not read are in no period.
PeriodSum sumPeriod(const std::vector<ScoreRec> &list, const QString &dateText,
                    const QString &interval, const QLocale &locale = QLocale());

} // namespace cardova
