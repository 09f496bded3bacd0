#pragma once
// The figures of the statistics views as the player reads them.
#include "scores/ScoreRec.h"

#include <QLocale>
#include <QStringList>

namespace cardova::ui {

// A number with the locale's decimal separator and no trailing zeros.
QString decimalText(double value, const QLocale &locale);
// Won per played as a percentage: rounded to two decimals of a percent
// (game-wise), or rounded to two decimals of the fraction and then taken
// times 100, a whole number of percent (player-wise).
QString percentText(int32_t won, int32_t played, bool wholePercent, const QLocale &locale);
// The thirteen lines of the general summary.
QStringList generalLines(const StatSum &s, const QLocale &locale);
// What the player is told about score files that could not be read, whose
// games are missing from `what` ("these figures", "the export"). Empty when
// every file was read.
QString unreadableText(const QStringList &files, const QString &what);

} // namespace cardova::ui
