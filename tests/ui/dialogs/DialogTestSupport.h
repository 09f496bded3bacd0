#pragma once
#include "TestSupport.h"
#include "ui/WindowTestTools.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

namespace cardova::test {

// Texts of a report list, one "a|b|c" line per row.
QStringList rowTexts(const QTreeWidget &list);
// Texts of a combo's entries.
QStringList entries(const QComboBox &combo);
// Selects the combo entry with that text; fails the test when missing.
void choose(QComboBox &combo, const QString &text);

// A context fixture with two players, Ann (current) and Bob, and a clock
// that tests move by hand.
class DialogFixture : public ContextFixture {
protected:
    void SetUp() override;
    void advanceClock(int seconds) { clock_ = clock_.addSecs(seconds); }
    // Writes a score file line for a player.
    void addScoreLine(const QString &player, const QByteArray &line);
    // Reloads the custom games after game files were written.
    void reloadGames() { ctx->custom.Init(); }
    // Saves "Harbour Lights", a designed game with many rules beyond the
    // eight values (draw three, two turn-backs, cells, a filling reserve).
    void saveManyRulesVariant(int piles = 7);

    QDateTime clock_;
};

} // namespace cardova::test
