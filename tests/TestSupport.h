#pragma once
#include "MemoryScores.h"
#include "session/GameContext.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace cardova::test {

// A table position for tests. Piles list cards bottom to top as "KS QH* 9D":
// rank letter from "A23456789TJQK", suit letter from "HSDC", "*" for face
// down. Cards not named wait out of play.
struct Layout {
    std::vector<QString> tableau;
    QString stock;
    QString waste;
    std::vector<QString> foundation;
    std::vector<QString> cells; // one card each, for a game with free cells
};
// Replaces the position on the table (a game must have been started).
void lay(GameContext &ctx, const Layout &layout);
// The card id lying at a slot's top, or the id carrying a card text.
int16_t topId(const GameContext &ctx, int cell, int pile);
int16_t idOf(const GameContext &ctx, const QString &cardText);
// "9C*TC"-style texts of all tableau piles.
QStringList tableauText(const GameContext &ctx);
QString pileText(const GameContext &ctx, int cell, int pile);
// What is wrong with the table, or empty: every card on the table must lie
// in exactly one slot that names it, every pile's slots must be filled up to
// its top, and every face-up card must be drawn where its
// slot is (unless `heldOk`: the cards the mouse holds are elsewhere).
QString tableProblems(const GameContext &ctx, bool heldOk = false);

// A context over a fresh settings file and data folder of its own.
class ContextFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes a new context over the same files (a later run of the program).
    std::unique_ptr<GameContext> reopen();
    QString dataDir() const { return dir_.path() + QStringLiteral("/data/"); }
    QString settingsPath() const { return dir_.filePath(QStringLiteral("settings.ini")); }
    void writeFile(const QString &name, const QByteArray &content);
    // Starts a game; fails the test when it cannot be started.
    void start(const QString &game, double number);
    RecordWin &recordWinHandler() { return win; }

    QTemporaryDir dir_;
    // A recorder that keeps finished games in memory, made on first use.
    MemoryScores &memoryScores()
    {
        if (!memory_)
            memory_ = std::make_unique<MemoryScores>(ctx->data);
        return *memory_;
    }
    std::unique_ptr<GameContext> ctx;
    std::unique_ptr<MemoryScores> memory_;
    NullSurface surface;
    NullSound sound;
    RecordWin win;
};

} // namespace cardova::test
