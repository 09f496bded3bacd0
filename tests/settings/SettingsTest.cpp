#include "TestSupport.h"

#include <QFile>
#include <QSettings>

using namespace cardova;
using cardova::test::ContextFixture;

using SettingsTest = ContextFixture;

TEST_F(SettingsTest, FreshStoreReadsDefaults)
{
    cData data(dir_.filePath(QStringLiteral("fresh.ini")), dataDir());
    data.InitCD(QStringLiteral("Cardova"), 3, QStringLiteral("cdv.chm"));
    data.SetGame(1, QStringLiteral("Klondike"));
    EXPECT_EQ(data.BGIndex(), 1007);
    EXPECT_EQ(data.DeckIndex(), 531);
    EXPECT_EQ(data.RangeIndex(), 15);
    EXPECT_EQ(data.CardSpeed(), 5);
    EXPECT_EQ(data.UndoSpeed(), 5);
    EXPECT_EQ(data.UndoallSpeed(), 2);
    EXPECT_EQ(data.ReplaySpeed(), 7);
    EXPECT_EQ(data.CustomColor(), 128);
    EXPECT_EQ(data.intSetting(IntKey::SoundCardUp), 0);
    EXPECT_EQ(data.intSetting(IntKey::SoundCardDown), 0);
    for (IntKey k : {IntKey::SoundStart, IntKey::SoundUndo, IntKey::SoundRedo, IntKey::SoundAutoPlay,
                     IntKey::SoundWin})
        EXPECT_EQ(data.intSetting(k), -1);
    for (IntKey k : {IntKey::ShowTime, IntKey::ShowScore, IntKey::ShowMoves, IntKey::Autoplay,
                     IntKey::ShowToolbar, IntKey::Fade})
        EXPECT_EQ(data.intSetting(k), 1);
    EXPECT_EQ(data.ContinueGame(), 0); // a closed game counts as lost unless asked otherwise
    EXPECT_EQ(data.FitTable(), 1);
    EXPECT_EQ(data.WinnableOnly(), 0);  // every deal, as the numbers give them
    EXPECT_EQ(data.LastGName(), "Klondike");
    EXPECT_EQ(data.CurPlayer(), "");
    EXPECT_EQ(data.AppDir(), dataDir());
}

TEST_F(SettingsTest, ValuesThatAreNotNumbersReadAsDefaults)
{
    {
        QSettings raw(settingsPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Data/BGIndex"), QStringLiteral("green"));
        raw.setValue(QStringLiteral("Data/UndoSpeed"), QStringLiteral("999"));
        raw.setValue(QStringLiteral("Data/RangeIndex"), QStringLiteral("70000"));
        raw.setValue(QStringLiteral("Data/CustomColor"), QStringLiteral("1e3"));
        raw.setValue(QStringLiteral("Data/DeckIndex"), QStringLiteral(" 541 "));
        raw.setValue(QStringLiteral("Data/ContinueGame"), QStringLiteral("2"));
        raw.setValue(QStringLiteral("Data/FitTable"), QStringLiteral("-1"));
        raw.setValue(QStringLiteral("Data/WinnableOnly"), QStringLiteral("-1"));
    }
    cData data(settingsPath(), dataDir());
    EXPECT_EQ(data.BGIndex(), 1007);
    EXPECT_EQ(data.UndoSpeed(), 5);
    EXPECT_EQ(data.RangeIndex(), 15);
    EXPECT_EQ(data.CustomColor(), 128);
    EXPECT_EQ(data.DeckIndex(), 541);
    EXPECT_EQ(data.ContinueGame(), 0);
    EXPECT_EQ(data.FitTable(), 1);
    EXPECT_EQ(data.WinnableOnly(), 0);
}

TEST_F(SettingsTest, WritesPersistAtOnce)
{
    ctx->data.SetCurGName(QStringLiteral("Lawn"));
    ctx->data.setIntSetting(IntKey::ReplaySpeed, 12);
    ctx->data.SetCustomColor(0x00123456);
    ctx->data.setIntSetting(IntKey::WinnableOnly, 1);
    cData again(settingsPath(), dataDir());
    EXPECT_EQ(again.LastGName(), "Lawn");
    EXPECT_EQ(again.ReplaySpeed(), 12);
    EXPECT_EQ(again.WinnableOnly(), 1);
    EXPECT_EQ(again.CustomColor(), 0x00123456);
    QSettings raw(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Data/ReplaySpeed")).toString(), "12");
    EXPECT_EQ(raw.value(QStringLiteral("Users/1")).toString(), "Player1");
    EXPECT_EQ(raw.value(QStringLiteral("Users/100")).toString(), "Player1");
}

TEST_F(SettingsTest, RecentListRules)
{
    cData &d = ctx->data;
    d.ClearRecent();
    d.SetRecent(QStringLiteral("C"));
    d.SetRecent(QStringLiteral("B"));
    d.SetRecent(QStringLiteral("A"));
    d.SetRecent(QStringLiteral("A")); // already first: unchanged
    EXPECT_EQ(d.RecentCount(), 3);
    d.SetRecent(QStringLiteral("C")); // duplicates are kept further down
    EXPECT_EQ(d.GetRecent(1), "C");
    EXPECT_EQ(d.GetRecent(2), "A");
    EXPECT_EQ(d.GetRecent(3), "B");
    EXPECT_EQ(d.GetRecent(4), "C");
    EXPECT_EQ(d.RecentCount(), 4);
    d.SetRecent(QStringLiteral("D"));
    d.SetRecent(QStringLiteral("E")); // the oldest falls off
    EXPECT_EQ(d.GetRecent(1), "E");
    EXPECT_EQ(d.GetRecent(5), "B");
    EXPECT_EQ(d.RecentCount(), 5);
    cData again(settingsPath(), dataDir());
    EXPECT_EQ(again.GetRecent(1), "E");
    d.ClearRecent();
    EXPECT_EQ(d.RecentCount(), 0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(d.GetRecent(int16_t(i)), "");
}

TEST_F(SettingsTest, PlayersAndGameTable)
{
    cData &d = ctx->data;
    EXPECT_EQ(d.TotalPlayers(), 1); // "Player1" made at start
    EXPECT_EQ(d.CurPlayer(), "Player1");
    d.SetPlayer(3, QStringLiteral("C"), false);
    EXPECT_EQ(d.TotalPlayers(), 2); // counts filled slots, not the highest one
    d.SetPlayer(1, QStringLiteral("Renamed"), false);
    EXPECT_EQ(d.CurPlayer(), "Player1");
    d.SetPlayer(2, QStringLiteral("B"), true);
    EXPECT_EQ(d.CurPlayer(), "B");
    d.SetPlayer(21, QStringLiteral("ignored"), false);
    EXPECT_EQ(d.GetPlayer(21), "");

    EXPECT_EQ(d.GetGameID(QStringLiteral("Klondike")), 1);
    EXPECT_EQ(d.GetGameID(QStringLiteral("Nope")), 0);
    EXPECT_EQ(d.GetGameID(QStringLiteral("klondike")), 0);
    d.SetTotalGames(5);
    EXPECT_EQ(d.GetGName(3), "Lawn");
    EXPECT_EQ(d.GetGName(5), "");
}

TEST_F(SettingsTest, SecondRunKeepsTheFirstPlayer)
{
    auto later = reopen();
    EXPECT_EQ(later->data.TotalPlayers(), 1);
    EXPECT_EQ(later->data.CurPlayer(), "Player1");
}
