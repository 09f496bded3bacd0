// Help topics: game ids as topic numbers, the bundled pages and their links,
// the generated pages of designed games, and the window's history buttons.
#include "UiTestSupport.h"

#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "settings/cData.h"
#include "ui/appearance/Help.h"
#include "ui/appearance/HelpPages.h"
#include "ui/appearance/HelpViewer.h"
#include "ui/appearance/Resources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace cardova;
using namespace cardova::ui;

namespace {
class HelpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ctx = std::make_unique<GameContext>(
            std::make_unique<cData>(dir.filePath(QStringLiteral("s.ini")), dir.filePath(QStringLiteral("data"))));
        ctx->data.InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
        GameRecord record;
        record.gOrder = 3;
        record.gBase = 12;
        record.hOrder = 7;
        record.hSpace = 10;
        record.hPiles = 5;
        record.hAk = 0;
        ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("My Game"), record).isEmpty());
        ctx->custom.Init();
        help = std::make_unique<Help>(ctx->data, ctx->custom);
    }

    QTextBrowser *browser() { return help->viewer()->browser(); }

    QTemporaryDir dir;
    std::unique_ptr<GameContext> ctx;
    std::unique_ptr<Help> help;
};
} // namespace

TEST_F(HelpTest, TopicsAreGameIds)
{
    EXPECT_EQ(helpTopic(ctx->data, QStringLiteral("Klondike")), 1);
    EXPECT_EQ(helpTopic(ctx->data, QStringLiteral("Klondike Plus")), 2);
    EXPECT_EQ(helpTopic(ctx->data, QStringLiteral("Lawn")), 3);
    EXPECT_GE(helpTopic(ctx->data, QStringLiteral("My Game")), 4);
    EXPECT_EQ(helpTopic(ctx->data, QStringLiteral("klondike")), 0) << "names compare exactly";
}

TEST_F(HelpTest, ShowRulesOpensTheStandardGamesPages)
{
    for (int id = 1; id <= 3; ++id) {
        help->ShowRules(standardGameName(id));
        EXPECT_EQ(help->lastTopic(), id);
        ASSERT_NE(help->viewer(), nullptr);
        EXPECT_TRUE(help->viewer()->isVisible());
        EXPECT_EQ(browser()->documentTitle(), standardGameName(id));
    }
}

TEST_F(HelpTest, ShowRulesOfADesignedGameShowsItsRecordInTheWizardsWords)
{
    help->ShowRules(QStringLiteral("My Game"));
    EXPECT_GE(help->lastTopic(), 4);
    const QString text = browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("My Game")));
    EXPECT_TRUE(text.contains(QStringLiteral("Down Same Suit")));
    EXPECT_TRUE(text.contains(QStringLiteral("King")));
    EXPECT_TRUE(text.contains(QStringLiteral("Up or Down Same Suit")));
    EXPECT_TRUE(text.contains(QStringLiteral("Jack"))) << "the space filling card";
    EXPECT_TRUE(text.contains(QStringLiteral("False")));
    EXPECT_TRUE(text.contains(QStringLiteral("5")));
}

TEST_F(HelpTest, DesignedGamesWhoseNamesLookLikeAddressesOpenTheirOwnPage)
{
    const QStringList names{QStringLiteral("//Slashes"), QStringLiteral("A#B"), QStringLiteral("Why?"),
                            QStringLiteral("100%"), QStringLiteral("50%41"), QStringLiteral("a/../b c")};
    GameRecord record;
    for (const QString &name : names)
        ASSERT_TRUE(ctx->custom.SaveGame(name, record).isEmpty()) << name.toStdString();
    ctx->custom.Init();
    for (const QString &name : names) {
        help->ShowRules(name);
        EXPECT_GE(help->lastTopic(), 4) << name.toStdString();
        EXPECT_EQ(browser()->documentTitle(), name);
        EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("No. of Piles"))) << name.toStdString();
        EXPECT_EQ(gameOfUrl(topicUrl(help->lastTopic(), name)), name);
    }
}

TEST_F(HelpTest, ADesignedGameWhoseFileIsDamagedSaysSoInsteadOfFailing)
{
    QFile file(ctx->custom.gamePath(QStringLiteral("My Game")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not,a,game\r\n");
    file.close();
    help->ShowRules(QStringLiteral("My Game"));
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("cannot be shown")));
}

TEST_F(HelpTest, ContentsAndUnknownNamesOpenTheContentsPage)
{
    help->ShowContents();
    EXPECT_EQ(help->lastTopic(), 0);
    EXPECT_EQ(browser()->source(), contentsUrl());
    help->ShowRules(QStringLiteral("Klondike"));
    help->ShowRules(QStringLiteral("No Such Game"));
    EXPECT_EQ(help->lastTopic(), 0);
    EXPECT_EQ(browser()->source(), contentsUrl());
}

TEST_F(HelpTest, BackAndForwardWalkTheHistory)
{
    help->ShowContents();
    auto *back = help->viewer()->findChild<QToolButton *>(QStringLiteral("cmdBack"));
    auto *forward = help->viewer()->findChild<QToolButton *>(QStringLiteral("cmdForward"));
    ASSERT_NE(back, nullptr);
    ASSERT_NE(forward, nullptr);
    EXPECT_FALSE(back->isEnabled());
    help->ShowRules(QStringLiteral("Lawn"));
    help->ShowRules(QStringLiteral("My Game"));
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser()->documentTitle(), QStringLiteral("Lawn"));
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("My Game")));
}

TEST(HelpPages, EveryLinkOfTheBundledPagesLeadsToABundledPage)
{
    ensureResources();
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 4);
    const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString &page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target)) << qPrintable(page + " -> " + target);
        }
    }
    for (int topic = 0; topic <= 3; ++topic)
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + topicUrl(topic, QString()).path())) << topic;
}
