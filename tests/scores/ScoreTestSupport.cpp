#include "ScoreTestSupport.h"

#include <QFile>
#include <csignal>

namespace cardova::test {

ScoreRec makeRec(const QString &game, const QString &player, int32_t score, int32_t time,
                 int32_t moves, int16_t won, const QString &date)
{
    ScoreRec r;
    r.Date = date;
    r.GName = game;
    r.GNo = GameNumber::fromNumber(7);
    r.Time = time;
    r.Moves = moves;
    r.Score = score;
    r.Won = won;
    r.Player = player;
    return r;
}

QByteArray line(const QByteArray &fields) { return fields + "\r\n"; }

void ScoreFixture::SetUp()
{
    ContextFixture::SetUp();
    ctx->now = [this] { return clock; };
}

void ScoreFixture::setPlayers(const QStringList &names)
{
    for (int i = 1; i <= kMaxPlayers; ++i)
        ctx->data.SetPlayer(int16_t(i), i <= names.size() ? names[i - 1] : QString(), false);
    if (!names.isEmpty())
        ctx->data.SetCurPlayer(names[0]);
}

void ScoreFixture::writeScores(const QString &player, const QByteArray &content)
{
    QFile f(ctx->scores.scoreFilePath(player));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.fileName().toStdString();
    f.write(content);
}

QByteArray ScoreFixture::readData(const QString &fileName) const
{
    QFile f(dataDir() + fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ScriptedPrompt::ask(const QString &title, const QString &question)
{
    titles << title;
    questions << question;
    return answer_;
}

void ScriptedPrompt::inform(const QString &title, const QString &message)
{
    titles << title;
    messages << message;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // Past the limit the system also sends a signal that would end the test.
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
}

} // namespace cardova::test
