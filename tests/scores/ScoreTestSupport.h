#pragma once
#include "TestSupport.h"
#include "scores/ScoreRec.h"
#include "scores/StatPrompt.h"

#include <QByteArray>
#include <QStringList>
#include <sys/resource.h>
#include <vector>

namespace cardova::test {

// A record as the statistics see it.
ScoreRec makeRec(const QString &game, const QString &player, int32_t score, int32_t time = 60,
                 int32_t moves = 30, int16_t won = 1, const QString &date = QStringLiteral("2026-03-01 12:00:00"));

// A score-file line, CR LF included.
QByteArray line(const QByteArray &fields);

// A context whose clock stands still and whose player list is set by the test.
class ScoreFixture : public ContextFixture {
protected:
    void SetUp() override;
    void setPlayers(const QStringList &names);
    void writeScores(const QString &player, const QByteArray &content);
    QByteArray readData(const QString &fileName) const;
    QDateTime clock = QDateTime(QDate(2026, 3, 1), QTime(12, 0, 0));
};

// Answers the question as told and keeps what was shown.
class ScriptedPrompt : public StatPrompt {
public:
    explicit ScriptedPrompt(bool answer) : answer_(answer) {}
    bool ask(const QString &title, const QString &question) override;
    void inform(const QString &title, const QString &message) override;
    QStringList questions, messages, titles;

private:
    bool answer_;
};

// Makes every write of this process past `bytes` fail, as a full disk does,
// whatever the rights of the user running the tests. Gone with the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace cardova::test
