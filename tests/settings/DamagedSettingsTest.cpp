#include "TestSupport.h"

#include "settings/SettingsRescue.h"

#include <QDir>
#include <QFile>
#include <QSettings>

using namespace cardova;
using cardova::test::ContextFixture;

namespace {

class DamagedSettingsTest : public ContextFixture {
protected:
    // The test's own settings file replaced by `content` before the run.
    void writeSettings(const QByteArray &content)
    {
        ctx.reset();
        QFile f(settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    // The store of a new run, with what it tells the player collected.
    std::unique_ptr<cData> openData(const QString &path)
    {
        auto data = std::make_unique<cData>(path, dataDir());
        data->setProblemReport([this](const QString &text) { told << text; });
        return data;
    }
    QStringList copies() const
    {
        return QDir(dir_.path()).entryList({QStringLiteral("settings.ini.damaged-*")}, QDir::Files);
    }
    QByteArray bytesOf(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QStringList told;
};

TEST_F(DamagedSettingsTest, ABinaryFileIsKeptBesideBeforeAnyWriteAndWhatCouldBeReadIsUsed)
{
    const char raw[] = "[Users]\n1=Bob\n100=Bob\n\x00\x01\xff\xfe junk\n[Data]\nBGIndex=1003\n";
    const QByteArray original(raw, sizeof(raw) - 1);
    writeSettings(original);
    auto data = openData(settingsPath());
    EXPECT_EQ(data->CurPlayer(), "Bob");
    EXPECT_EQ(data->BGIndex(), 1003);
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(bytesOf(dir_.filePath(copies()[0])), original);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(copies()[0])) << told[0].toStdString();

    data->SetCurGName(QStringLiteral("Lawn")); // writes the store
    EXPECT_EQ(bytesOf(dir_.filePath(copies()[0])), original);
    EXPECT_EQ(told.size(), 1) << "told once";
    // The next run finds a sound file and says nothing.
    told.clear();
    auto later = openData(settingsPath());
    EXPECT_EQ(later->CurPlayer(), "Bob");
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(copies().size(), 1);
}

TEST_F(DamagedSettingsTest, AUtf16FileIsKeptAndReadWhole)
{
    const QString text = QStringLiteral("[Users]\r\n1=Smith, John\r\n2=Zo\u00EB\r\n100=Zo\u00EB\r\n");
    QByteArray original("\xFF\xFE");
    for (const QChar c : text) { // little-endian, as the BOM says
        original += char(c.unicode() & 0xFF);
        original += char(c.unicode() >> 8);
    }
    writeSettings(original);
    auto data = openData(settingsPath());
    EXPECT_EQ(data->GetPlayer(1), "Smith, John");
    EXPECT_EQ(data->CurPlayer(), QStringLiteral("Zo\u00EB"));
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(bytesOf(dir_.filePath(copies()[0])), original);
    EXPECT_EQ(told.size(), 1);
}

TEST_F(DamagedSettingsTest, WhatTheDamageItselfMakesOfKeysIsNotWrittenBack)
{
    // UTF-16 without a byte-order mark reads as keys full of NUL characters.
    const QString text = QStringLiteral("[Users]\r\n1=Bob\r\nBGIndex=1003\r\n");
    QByteArray original;
    for (const QChar c : text) {
        original += char(c.unicode() & 0xFF);
        original += char(c.unicode() >> 8);
    }
    writeSettings(original);
    auto data = openData(settingsPath());
    data->SetCurGName(QStringLiteral("Lawn"));
    EXPECT_FALSE(bytesOf(settingsPath()).contains('\0'));
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(bytesOf(dir_.filePath(copies()[0])), original);
}

TEST_F(DamagedSettingsTest, CommentsAndLinesTheStoreCannotReadAreKeptBeforeTheyAreDropped)
{
    const QByteArray original("; my notes\r\n[Users]\r\n1=Ann\r\nnot a setting\r\n100=Ann\r\n");
    writeSettings(original);
    auto data = openData(settingsPath());
    EXPECT_EQ(data->CurPlayer(), "Ann");
    data->SetRecent(QStringLiteral("Lawn"));
    ASSERT_EQ(copies().size(), 1);
    EXPECT_EQ(bytesOf(dir_.filePath(copies()[0])), original);
    EXPECT_EQ(told.size(), 1);
}

TEST_F(DamagedSettingsTest, AFolderWhereTheFileBelongsIsToldOnceAndLeftAlone)
{
    ctx.reset();
    const QString folder = dir_.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    auto data = openData(folder);
    EXPECT_EQ(data->CurPlayer(), "");
    data->SetPlayer(1, QStringLiteral("Ann"), true);
    data->SetRecent(QStringLiteral("Lawn"));
    EXPECT_EQ(data->CurPlayer(), "Ann"); // the run goes on from memory
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("folder"))) << told[0].toStdString();
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());
}

TEST_F(DamagedSettingsTest, SettingsThatCannotBeSavedAreToldOnce)
{
    ctx.reset();
    // A regular file where the settings folder belongs: no write can succeed,
    // even for root.
    writeFile(QStringLiteral("blocker"), "x");
    auto data = openData(dataDir() + QStringLiteral("blocker/settings.ini"));
    EXPECT_TRUE(told.isEmpty()) << "nothing is wrong until something is saved";
    data->SetCurGName(QStringLiteral("Lawn"));
    data->setIntSetting(IntKey::ReplaySpeed, 9);
    data->ClearRecent();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("could not be saved"))) << told[0].toStdString();
    EXPECT_FALSE(data->storeWritable());
}

TEST_F(DamagedSettingsTest, FilesTheProgramWritesItselfAreNeverTakenForDamaged)
{
    const QStringList names{QStringLiteral("Smith, John"), QStringLiteral("a\x01z \"q\" ;#=[x]\\"),
                            QStringLiteral("Zo\u00EB \U0001F600 "), QStringLiteral("multi\nline")};
    for (int i = 0; i < names.size(); ++i)
        ctx->data.SetPlayer(int16_t(i + 1), names[i], i == 0);
    ctx->data.SetRecent(QStringLiteral("%1 and, more"));
    ctx->data.SetCurGName(QStringLiteral("[Data]"));
    ctx.reset();
    auto data = openData(settingsPath());
    EXPECT_TRUE(told.isEmpty()) << told.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(copies().isEmpty());
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(data->GetPlayer(int16_t(i + 1)), names[i]);
    EXPECT_EQ(data->GetRecent(1), "%1 and, more");
}

TEST_F(DamagedSettingsTest, ANameWrittenByHandWithACommaIsReadWhole)
{
    writeSettings("[Users]\r\n1=Smith, John\r\n2=Ann\r\n100=Smith, John\r\n[Recent]\r\n1=Lawn,Klondike\r\n");
    auto data = openData(settingsPath());
    EXPECT_EQ(data->GetPlayer(1), "Smith, John");
    EXPECT_EQ(data->CurPlayer(), "Smith, John");
    EXPECT_EQ(data->GetRecent(1), "Lawn, Klondike");
    EXPECT_TRUE(told.isEmpty());
}

using PlayerSlotsAtStart = ContextFixture;

TEST_F(PlayerSlotsAtStart, PlayersAfterAnEmptySlotAreListedAndCountedInTheStatistics)
{
    ctx.reset();
    {
        QSettings raw(settingsPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Users/1"), QString());
        raw.setValue(QStringLiteral("Users/2"), QStringLiteral("Bob"));
        raw.setValue(QStringLiteral("Users/4"), QStringLiteral("Ann"));
        raw.setValue(QStringLiteral("Users/100"), QStringLiteral("Ann"));
    }
    writeFile(QStringLiteral("Bob.sre"), "\"2024-05-01 10:00:00\",\"Klondike\",11,600,140,200,0\r\n");
    writeFile(QStringLiteral("Ann.sre"), "\"2024-05-02 10:00:00\",\"Lawn\",12,700,150,300,1\r\n");
    ctx = reopen();
    EXPECT_EQ(ctx->data.TotalPlayers(), 2);
    EXPECT_EQ(ctx->data.GetPlayer(1), "Bob");
    EXPECT_EQ(ctx->data.GetPlayer(2), "Ann");
    EXPECT_EQ(ctx->data.CurPlayer(), "Ann");
    ctx->scores.OpenAllScore();
    EXPECT_EQ(ctx->scores.ScoreTop(), 2);
    EXPECT_EQ(ctx->scores.SumPlayer(QStringLiteral("Ann")).Played, 1);
    // The slots are stored without the gap.
    QSettings raw(settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Users/1")).toString(), "Bob");
    EXPECT_EQ(raw.value(QStringLiteral("Users/4")).toString(), "");
}

TEST_F(PlayerSlotsAtStart, PlayersWithoutACurrentOneStartWithTheFirstAndTheirGamesAreRecorded)
{
    ctx.reset();
    {
        QSettings raw(settingsPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Users/1"), QStringLiteral("Bob"));
        raw.setValue(QStringLiteral("Users/2"), QStringLiteral("Ann"));
        raw.remove(QStringLiteral("Users/100"));
    }
    ctx = reopen();
    EXPECT_EQ(ctx->data.CurPlayer(), "Bob");
    EXPECT_EQ(ctx->data.TotalPlayers(), 2) << "no Player1 is added";
    start(QStringLiteral("Klondike"), 5);
    EXPECT_TRUE(ctx->scores.AddScore(0)) << ctx->scores.lastError().toStdString();
    EXPECT_TRUE(QFile::exists(ctx->scores.scoreFilePath(QStringLiteral("Bob"))));
}

} // namespace
