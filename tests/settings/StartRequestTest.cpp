#include "TestSupport.h"

#include "settings/StartRequest.h"

using namespace cardova;
using Kind = StartRequest::Kind;

namespace {
StartRequest parse(std::initializer_list<const char *> args)
{
    QStringList list;
    for (const char *a : args)
        list << QString::fromUtf8(a);
    return parseStartArguments(list);
}
} // namespace

TEST(StartRequestTest, NoArgumentsOpenAsUsual)
{
    EXPECT_EQ(parse({}).kind, Kind::None);
}

TEST(StartRequestTest, HelpWinsWhereverItStands)
{
    EXPECT_EQ(parse({"--help"}).kind, Kind::Help);
    EXPECT_EQ(parse({"-h"}).kind, Kind::Help);
    EXPECT_EQ(parse({"FreeCell", "--help"}).kind, Kind::Help);
    EXPECT_EQ(parse({"a", "b", "c", "--help"}).kind, Kind::Help); // even with too many arguments
}

TEST(StartRequestTest, AGameAloneGetsARandomDeal)
{
    const StartRequest r = parse({"FreeCell"});
    EXPECT_EQ(r.kind, Kind::Game);
    EXPECT_EQ(r.game, QStringLiteral("FreeCell"));
    EXPECT_FALSE(r.number.has_value());
}

TEST(StartRequestTest, NamesWithBlanksAndQuotes)
{
    // The shell hands a quoted name over as one argument, blanks kept.
    EXPECT_EQ(parse({"Klondike Plus"}).game, QStringLiteral("Klondike Plus"));
    EXPECT_EQ(parse({"Baker's Game", "7"}).game, QStringLiteral("Baker's Game"));
    // Quotes a launcher left around the name or the number are taken off.
    const StartRequest quoted = parse({"\"Klondike Plus\"", "\"12\""});
    EXPECT_EQ(quoted.kind, Kind::Game);
    EXPECT_EQ(quoted.game, QStringLiteral("Klondike Plus"));
    ASSERT_TRUE(quoted.number.has_value());
    EXPECT_EQ(quoted.number->toDouble(), 12.0);
    // A quote inside a name is part of the name.
    EXPECT_EQ(parse({"My \"best\" game"}).game, QStringLiteral("My \"best\" game"));
}

TEST(StartRequestTest, TheNumberIsKeptAsGiven)
{
    const StartRequest r = parse({"Klondike", "004711"});
    ASSERT_EQ(r.kind, Kind::Game);
    ASSERT_TRUE(r.number.has_value());
    EXPECT_EQ(r.number->toText(), QStringLiteral("004711"));
    EXPECT_EQ(r.number->toDouble(), 4711.0);
}

TEST(StartRequestTest, ArgumentsThatCannotBeReadAreRefusedWithAReason)
{
    const StartRequest badNumber = parse({"FreeCell", "five"});
    EXPECT_EQ(badNumber.kind, Kind::Error);
    EXPECT_TRUE(badNumber.problem.contains(QStringLiteral("\"five\""))) << badNumber.problem.toStdString();

    const StartRequest tooMany = parse({"Klondike", "Plus", "3"});
    EXPECT_EQ(tooMany.kind, Kind::Error);
    EXPECT_TRUE(tooMany.problem.contains(QStringLiteral("quotes")));

    const StartRequest numberOnly = parse({"5"});
    EXPECT_EQ(numberOnly.kind, Kind::Error);
    EXPECT_TRUE(numberOnly.problem.contains(QStringLiteral("without a game name")));

    EXPECT_EQ(parse({"--version"}).kind, Kind::Error);
    EXPECT_EQ(parse({""}).kind, Kind::Error);
    EXPECT_EQ(parse({"\"\"", "3"}).kind, Kind::Error);
    for (const StartRequest &r : {badNumber, tooMany, numberOnly})
        EXPECT_TRUE(r.game.isEmpty() && !r.number);
}

TEST(StartRequestTest, UsageNamesTheForm)
{
    EXPECT_TRUE(startUsage(QStringLiteral("cardova")).startsWith(QStringLiteral("Usage: cardova [GAME [NUMBER]]\n")));
}
