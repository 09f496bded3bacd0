#include "common/Fnv1a.h"
#include "common/FormatTime.h"
#include "common/Numeric.h"
#include "settings/FileNames.h"
#include "settings/GameNumber.h"

#include "TestSupport.h"

using namespace cardova;

TEST(Numeric, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.0 / 3.0), -1);
    EXPECT_EQ(roundHalfEven(1747.5), 1748);
    EXPECT_EQ(roundHalfEven(582.5), 582);
}

TEST(Numeric, SaturatesInto16Bits)
{
    EXPECT_EQ(clamp16(40000.0), 32767);
    EXPECT_EQ(clamp16(-40000.0), -32768);
    EXPECT_EQ(clamp16(100000LL), 32767);
    EXPECT_EQ(round16(32767.4), 32767);
    EXPECT_EQ(round16(1e300), 32767);
}

// The published 64-bit FNV-1a values: a wrong offset basis or prime would
// still hash, but differently from every FNV-1a elsewhere.
TEST(Fnv1aHash, GivesThePublishedValues)
{
    const auto hash = [](const char *text) {
        uint64_t h = fnv1a::kOffset;
        for (; *text; ++text)
            h = fnv1a::mix(h, uint8_t(*text));
        return h;
    };
    EXPECT_EQ(hash(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(hash("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(hash("foobar"), 0x85944171f73967e8ull);
    // A value goes in lowest byte first, all eight of them: "foobar", 0, 0.
    EXPECT_EQ(fnv1a::mixValue(fnv1a::kOffset, 0x7261626f6f66ull), fnv1a::mix(fnv1a::mix(hash("foobar"), 0), 0));
}

TEST(FormatTimeText, HoursMinutesSeconds)
{
    EXPECT_EQ(FormatTime(65), "0:01:05");
    EXPECT_EQ(FormatTime(3599), "0:59:59");
    EXPECT_EQ(FormatTime(3600), "1:00:00");
    EXPECT_EQ(FormatTime(0), "0:00:00");
    // Long games keep counting hours instead of wrapping.
    EXPECT_EQ(FormatTime(61 * 3600 + 1), "61:00:01");
}

TEST(GameNumberValue, KeepsTextAndConvertsWithoutLocale)
{
    const auto typed = GameNumber::fromText(QStringLiteral("12.5"));
    ASSERT_TRUE(typed);
    EXPECT_TRUE(typed->isText());
    EXPECT_DOUBLE_EQ(typed->toDouble(), 12.5);
    EXPECT_EQ(typed->toText(), "12.5");

    const auto padded = GameNumber::fromText(QStringLiteral("007"));
    ASSERT_TRUE(padded);
    EXPECT_EQ(padded->toText(), "007");
    EXPECT_DOUBLE_EQ(padded->toDouble(), 7);

    EXPECT_FALSE(GameNumber::fromText(QStringLiteral("12abc")));
    EXPECT_FALSE(GameNumber::fromText(QStringLiteral("")));
    EXPECT_FALSE(GameNumber::fromText(QStringLiteral("1,5")));
    EXPECT_FALSE(GameNumber::fromText(QStringLiteral("inf")));
    EXPECT_FALSE(GameNumber::fromText(QStringLiteral("1e999")));
    EXPECT_TRUE(GameNumber::fromText(QStringLiteral(" 42 ")));

    EXPECT_EQ(GameNumber::fromNumber(999999999999999.0).toText(), "999999999999999");
    EXPECT_EQ(GameNumber::fromNumber(0).toText(), "0");
}

TEST(FileNameEscaping, OrdinaryNamesUnchangedHostileNamesContained)
{
    EXPECT_EQ(fileNameForName(QStringLiteral("Player1")), "Player1");
    EXPECT_EQ(fileNameForName(QStringLiteral("Klondike Game 01")), "Klondike Game 01");
    EXPECT_EQ(fileNameForName(QStringLiteral("Zoë")), "Zoë");

    for (const QString &name : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral(".."),
                               QStringLiteral("a\\b"), QStringLiteral("x\ny"), QStringLiteral(".hidden"),
                               QStringLiteral("50%"), QStringLiteral("dots..."), QStringLiteral("q\"uote")}) {
        const QString file = fileNameForName(name);
        EXPECT_FALSE(file.contains(QLatin1Char('/'))) << file.toStdString();
        EXPECT_FALSE(file.contains(QLatin1Char('\\'))) << file.toStdString();
        EXPECT_FALSE(file.startsWith(QLatin1Char('.'))) << file.toStdString();
        EXPECT_NE(file, QStringLiteral(".."));
        EXPECT_EQ(nameFromFileName(file), name) << file.toStdString();
    }
}
