// The rules beyond the eight values, in the sentences the game selection
// and the help pages show.
#include "rules/ClassicGames.h"
#include "rules/RuleSentences.h"
#include "rules/StandardGames.h"

#include <gtest/gtest.h>

using namespace cardova;

namespace {
std::string joined(const QStringList &sentences) { return sentences.join(QLatin1Char(' ')).toStdString(); }

bool mentions(const QStringList &sentences, const char *words)
{
    return sentences.join(QLatin1Char(' ')).contains(QLatin1String(words), Qt::CaseInsensitive);
}
} // namespace

TEST(RuleSentences, AGameOfTheEightValuesAloneHasNone)
{
    for (int id = 1; id <= kStandardGameCount; ++id)
        EXPECT_TRUE(newRuleSentences(*standardGameRecord(standardGameName(id))).isEmpty()) << id;
    EXPECT_TRUE(newRuleSentences(GameRecord{3, 13, 0, 8, 10, 9, 1, 0}).isEmpty());
    // A move rule that single-card moves overrule changes nothing either.
    GameRecord single{0, 0, 0, 4, 12, 7, 0, 0};
    single.moves = TableauMoves::FreeCellRuns;
    EXPECT_TRUE(newRuleSentences(single).isEmpty()) << joined(newRuleSentences(single));
}

TEST(RuleSentences, EveryClassicNamesTheRulesThatMakeIt)
{
    const struct {
        const char *game;
        std::vector<const char *> words;
    } cases[] = {
        {"Klondike by Threes", {"three cards at a time", "as often as you like"}},
        {"Thoughtful", {"every card face up"}},
        {"Canfield", {"three cards at a time", "reserve of thirteen cards", "filled at once from the reserve",
                      "whole tableau pile", "base card of all four", "one card face up"}},
        {"FreeCell", {"no stock", "until the deck is used up", "Four free cells", "one card at a time through"}},
        {"Baker's Game", {"no stock", "Four free cells", "one card at a time through"}},
        {"Eight Off", {"no stock", "six cards face up", "Eight free cells", "four of them get a card"}},
        {"Seahaven Towers", {"no stock", "five cards face up", "Four free cells", "two of them get a card"}},
        {"Yukon", {"no stock", "four more cards go face up", "Any face-up card may be moved"}},
        {"Russian Solitaire", {"no stock", "four more cards go face up", "Any face-up card may be moved"}},
        {"Beleaguered Castle", {"no stock", "until the deck is used up"}},
        {"Streets and Alleys", {"no stock", "until the deck is used up"}},
    };
    ASSERT_EQ(std::size(cases), classicGames().size());
    for (const auto &c : cases) {
        const auto record = classicRecord(QString::fromLatin1(c.game));
        ASSERT_TRUE(record) << c.game;
        const QStringList sentences = newRuleSentences(*record);
        for (const char *words : c.words)
            EXPECT_TRUE(mentions(sentences, words)) << c.game << ": \"" << words << "\" in " << joined(sentences);
        for (const QString &s : sentences)
            EXPECT_TRUE(s.front().isUpper() && s.endsWith(QLatin1Char('.'))) << c.game << ": " << s.toStdString();
        // A game without a stock says nothing of turning it.
        if (!record->stock)
            EXPECT_FALSE(mentions(sentences, "waste")) << c.game;
        // The classic record alone says nothing of cells it does not have.
        if (record->cells == 0)
            EXPECT_FALSE(mentions(sentences, "free cell")) << c.game;
    }
}

TEST(RuleSentences, ADesignedVariantDescribesEachOfItsChoices)
{
    GameRecord r; // the default Klondike-like record
    r.draw = 2;
    r.redeals = 0;
    EXPECT_EQ(newRuleSentences(r),
              QStringList{"The stock is turned onto the waste two cards at a time; the waste is never turned back: "
                          "the stock is gone through once."});
    r.draw = 1;
    r.redeals = 2;
    EXPECT_TRUE(mentions(newRuleSentences(r), "one card at a time; the waste may be turned back twice"));

    GameRecord cells;
    cells.cells = 1;
    cells.cellCards = 1;
    EXPECT_EQ(newRuleSentences(cells), QStringList{"One free cell holds any one card; it gets a card in the deal."});
    cells.cells = 2;
    EXPECT_EQ(newRuleSentences(cells), QStringList{"Two free cells each hold any one card; one of them gets a card in the deal."});
    cells.cells = 3;
    cells.cellCards = 3;
    EXPECT_EQ(newRuleSentences(cells),
              QStringList{"Three free cells each hold any one card; each gets a card in the deal."});

    GameRecord reserve;
    reserve.reserveCards = 1;
    reserve.moves = TableauMoves::Single;
    const QStringList s = newRuleSentences(reserve);
    ASSERT_EQ(s.size(), 2) << joined(s);
    EXPECT_TRUE(s[0].contains(QLatin1String("reserve of one card")));
    EXPECT_FALSE(mentions(s, "filled at once")) << "spaces are not filled from it";
    EXPECT_EQ(s[1], "Only the top card of a tableau pile may be moved.");
}
