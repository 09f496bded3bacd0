#pragma once
// Cell texts of the high-score lists.
#include "scores/ScoreRec.h"

#include <QLocale>
#include <QString>
#include <vector>

namespace cardova::ui {

enum class ScoreColumn { Rank, Game, Player, Score, Time, Moves, Status, Date, GameNo };

QString columnTitle(ScoreColumn column);
// The text of one cell of a row built from the record ranked at `rank`.
QString scoreCellText(const ScoreRec &r, ScoreColumn column, int rank, const QLocale &locale);
// The stored "yyyy-MM-dd HH:mm:ss" text as a short date; a text that reads
// as no date is shown as it is.
QString shortDateText(const QString &stored, const QLocale &locale);

} // namespace cardova::ui
