#include "ui/dialogs/ScoreRows.h"

#include "common/FormatTime.h"
#include "scores/DateText.h"

namespace cardova::ui {

QString columnTitle(ScoreColumn column)
{
    switch (column) {
    case ScoreColumn::Rank: return QStringLiteral("S No.");
    case ScoreColumn::Game: return QStringLiteral("Game");
    case ScoreColumn::Player: return QStringLiteral("Player");
    case ScoreColumn::Score: return QStringLiteral("Score");
    case ScoreColumn::Time: return QStringLiteral("Time");
    case ScoreColumn::Moves: return QStringLiteral("Moves");
    case ScoreColumn::Status: return QStringLiteral("Status");
    case ScoreColumn::Date: return QStringLiteral("Date");
    case ScoreColumn::GameNo: return QStringLiteral("Game No.");
    }
    return {};
}

QString shortDateText(const QString &stored, const QLocale &locale)
{
    const QDateTime when = dateTimeFromText(stored);
    return when.isValid() ? locale.toString(when.date(), QLocale::ShortFormat) : stored;
}

QString scoreCellText(const ScoreRec &r, ScoreColumn column, int rank, const QLocale &locale)
{
    switch (column) {
    case ScoreColumn::Rank: return QString::number(rank);
    case ScoreColumn::Game: return r.GName;
    case ScoreColumn::Player: return r.Player;
    case ScoreColumn::Score: return QString::number(r.Score);
    case ScoreColumn::Time: return FormatTime(r.Time);
    case ScoreColumn::Moves: return QString::number(r.Moves);
    case ScoreColumn::Status: return r.Won == 1 ? QStringLiteral("Won") : QStringLiteral("Lost");
    case ScoreColumn::Date: return shortDateText(r.Date, locale);
    case ScoreColumn::GameNo: return r.GNo.toText();
    }
    return {};
}

} // namespace cardova::ui
