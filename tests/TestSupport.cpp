#include "TestSupport.h"

#include "session/Lifecycle.h"

#include <QDir>
#include <QFile>

namespace cardova::test {

void ContextFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    ctx = reopen();
}

void ContextFixture::TearDown() { ctx.reset(); }

std::unique_ptr<GameContext> ContextFixture::reopen()
{
    auto data = std::make_unique<cData>(settingsPath(), dataDir());
    data->InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    auto c = std::make_unique<GameContext>(std::move(data));
    c->setSurface(&surface);
    c->setSoundPlayer(&sound);
    InitMain(*c);
    return c;
}

void ContextFixture::writeFile(const QString &name, const QByteArray &content)
{
    QDir().mkpath(dataDir());
    QFile f(dataDir() + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

void ContextFixture::start(const QString &game, double number)
{
    const QString problem = NewGame(*ctx, game, GameNumber::fromNumber(number));
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
}

} // namespace cardova::test
