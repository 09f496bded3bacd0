// Help topics: game ids as topic numbers, the bundled pages and their links,
// the generated pages of designed games, and the window's history buttons.
#include "UiTestSupport.h"

#include "rules/ClassicGames.h"
#include "rules/StandardGames.h"
#include "session/GameContext.h"
#include "session/Lifecycle.h"
#include "settings/cData.h"
#include "ui/appearance/Help.h"
#include "ui/appearance/HelpPages.h"
#include "ui/appearance/HelpViewer.h"
#include "ui/appearance/Resources.h"
#include "ui/appearance/Appearance.h"
#include "ui/windows/frmMain.h"

#include <QAction>
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

namespace {
QString bundledText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

TEST_F(HelpTest, EveryClassicHasAPageOfItsOwnListedInTheContents)
{
    const QString contents = bundledText(QStringLiteral(":/help/contents.html"));
    QStringList pages;
    for (const ClassicGame &g : classicGames()) {
        const QString name = QString::fromLatin1(g.name);
        const QUrl url = classicPageUrl(name);
        ASSERT_FALSE(url.isEmpty()) << g.name;
        EXPECT_FALSE(pages.contains(url.fileName())) << g.name << " shares a page";
        pages << url.fileName();
        EXPECT_TRUE(contents.contains(QStringLiteral("href=\"%1\"").arg(url.fileName()))) << g.name;
        // Its rules, how to win, its layout and its keys, under its name.
        const QString html = bundledText(QLatin1Char(':') + url.path());
        for (const char *part : {"<h2>How to win</h2>", "<h2>Layout</h2>", "<h2>Rules</h2>", "<h2>Mouse and keys</h2>",
                                 "<b>F</b>", "<b>H</b>"})
            EXPECT_TRUE(html.contains(QLatin1String(part))) << g.name << " lacks " << part;
        // A game with cells or a reserve explains them.
        if (g.record.cells > 0)
            EXPECT_TRUE(html.contains(QLatin1String("free cell"))) << g.name;
        if (g.record.reserveCards > 0)
            EXPECT_TRUE(html.contains(QLatin1String("reserve"))) << g.name;
        if (!g.record.stock)
            EXPECT_TRUE(html.contains(QLatin1String("There is no stock"))) << g.name;
        help->ShowContents();
        browser()->setSource(url);
        EXPECT_EQ(browser()->documentTitle(), name);
        // Not added yet, it is no game of the list, yet its rules are known.
        help->ShowRules(name);
        EXPECT_EQ(help->lastTopic(), 0);
        EXPECT_EQ(browser()->source(), url);
    }
    EXPECT_TRUE(classicPageUrl(QStringLiteral("freecell")).isEmpty()) << "names compare exactly";
    EXPECT_TRUE(classicPageUrl(QStringLiteral("My Game")).isEmpty());
}

TEST_F(HelpTest, AnAddedClassicOpensItsPageAndAChangedOneItsOwnRules)
{
    for (const ClassicGame &g : classicGames())
        ASSERT_TRUE(ctx->custom.SaveGame(QString::fromLatin1(g.name), g.record).isEmpty());
    GameRecord fewerCells = *classicRecord(QStringLiteral("FreeCell"));
    fewerCells.cells = 2;
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Baker's Game"), fewerCells).isEmpty());
    ctx->custom.Init();
    for (const ClassicGame &g : classicGames()) {
        const QString name = QString::fromLatin1(g.name);
        help->ShowRules(name);
        EXPECT_GE(help->lastTopic(), 4) << g.name;
        EXPECT_EQ(browser()->documentTitle(), name);
        if (name == QLatin1String("Baker's Game")) {
            // No longer the classic: its page is made from its file.
            EXPECT_EQ(gameOfUrl(browser()->source()), name);
            EXPECT_TRUE(browser()->toPlainText().contains(QStringLiteral("Two free cells")));
        } else {
            EXPECT_EQ(browser()->source(), classicPageUrl(name)) << g.name;
        }
    }
}

TEST_F(HelpTest, ADesignedGamesPageNamesEachRuleBeyondTheEightValues)
{
    const QString plain = customRulesHtml(QStringLiteral("Plain"), GameRecord{});
    EXPECT_TRUE(plain.contains(QStringLiteral("dealt as a staircase; the remaining cards form the stock, which is "
                                              "turned onto the waste one card at a time")));
    EXPECT_FALSE(plain.contains(QStringLiteral("rules of its own")));

    GameRecord variant;
    variant.draw = 3;
    variant.redeals = 1;
    variant.hPiles = 5;
    variant.deal = DealPattern::Yukon;
    variant.reserveCards = 5;
    variant.reserveFills = true;
    ASSERT_EQ(std::string(recordProblem(variant)), "");
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Variant"), variant).isEmpty());
    ctx->custom.Init();
    help->ShowRules(QStringLiteral("Variant"));
    const QString text = browser()->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("one card at a time and may be turned back as often"))) << "not a staircase of one";
    for (const char *rule : {"three cards at a time", "turned back once", "four more cards go face up",
                             "reserve of five cards", "filled at once from the reserve"})
        EXPECT_TRUE(text.contains(QLatin1String(rule))) << rule;
    EXPECT_TRUE(text.contains(QStringLiteral("No. of Piles"))) << "the eight values stay";
}

TEST_F(HelpTest, RulesOfTheMainWindowOpenTheClassicOnTheTable)
{
    ASSERT_TRUE(ctx->custom.SaveGame(QStringLiteral("Yukon"), *classicRecord(QStringLiteral("Yukon"))).isEmpty());
    ctx->custom.Init();
    ctx->animate = false;
    Appearance art(ctx->data);
    frmMain window(*ctx, art);
    ASSERT_EQ(NewGame(*ctx, QStringLiteral("Yukon"), GameNumber::fromNumber(7)), "");
    QAction *rules = window.menuItem(QStringLiteral("mHelp"), 1);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->shortcut(), QKeySequence(Qt::Key_F1));
    rules->trigger();
    auto *viewer = window.findChild<HelpViewer *>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->browser()->source(), classicPageUrl(QStringLiteral("Yukon")));
    EXPECT_EQ(viewer->browser()->documentTitle(), "Yukon");
}
