#pragma once
#include <QStringList>

namespace cardova {

class cScore;

// cardova-cli export [--data-dir DIR] [--settings FILE] OUT
// Writes the statistics export of every player to OUT.
int runExport(const QStringList &args);

// cardova-cli stats [--data-dir DIR] [--settings FILE]
// Loads every player's score file and prints the totals and rankings as one
// JSON object.
int runStats(const QStringList &args);

// The JSON printed by "stats", from the records the store has loaded. Runs
// the rankings, so the top table is left holding the last of them.
QString statsJson(cScore &scores);

} // namespace cardova
