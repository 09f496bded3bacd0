#pragma once
#include "session/GameContext.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace cardova::test {

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

    QTemporaryDir dir_;
    std::unique_ptr<GameContext> ctx;
    NullSurface surface;
    NullSound sound;
};

} // namespace cardova::test
