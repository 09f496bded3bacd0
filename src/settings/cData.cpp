#include "settings/cData.h"

#include "settings/FileNames.h"
#include "settings/SettingsRescue.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <utility>

namespace cardova {

namespace {
struct IntKeyInfo {
    const char *name;
    int16_t def;
    int16_t min;
    int16_t max;
};

// Values outside [min, max] are treated like absent keys and read as the
// default; the speeds and the random range are the ranges the program offers.
constexpr IntKeyInfo kIntKeys[] = {
    {"Autoplay", 1, -32768, 32767},     {"ShowToolbar", 1, -32768, 32767},
    {"CardSpeed", 5, 0, 50},            {"UndoSpeed", 5, 0, 50},
    {"UndoallSpeed", 2, 0, 50},         {"ReplaySpeed", 7, 0, 50},
    {"SoundStart", -1, -32768, 32767},  {"SoundCardDown", 0, -32768, 32767},
    {"SoundCardUp", 0, -32768, 32767},  {"SoundUndo", -1, -32768, 32767},
    {"SoundRedo", -1, -32768, 32767},   {"SoundAutoPlay", -1, -32768, 32767},
    {"SoundWin", -1, -32768, 32767},    {"ShowTime", 1, -32768, 32767},
    {"ShowScore", 1, -32768, 32767},    {"ShowMoves", 1, -32768, 32767},
    {"BGIndex", 1007, -32768, 32767},   {"RangeIndex", 15, 0, 15},
    {"DeckIndex", 531, -32768, 32767},  {"Fade", 1, -32768, 32767},
    {"ShowWinnable", 1, -32768, 32767},
    {"ContinueGame", 0, 0, 1},
    {"FitTable", 1, 0, 1},
    {"WinnableOnly", 0, 0, 1},
};
static_assert(sizeof(kIntKeys) / sizeof(kIntKeys[0]) == size_t(IntKey::Count));

const QString kData = QStringLiteral("Data/");
const QString kUsers = QStringLiteral("Users/");
const QString kWindow = QStringLiteral("Window/");
const QString kRecent = QStringLiteral("Recent/");

// A whole decimal number in [min, max], or nothing.
bool readInt(const QString &text, long long min, long long max, long long *out)
{
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

// A text value as it was meant. The store reads an unquoted comma as a list
// ("1=Smith, John" gives Smith and John); joined again it is the name typed.
QString textOf(const QVariant &stored)
{
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}
} // namespace

cData::cData(const QString &settingsFile, const QString &appDir)
    : appDirOverride_(appDir)
{
    openStore(settingsFile);
    loadAll();
}

void cData::openStore(const QString &settingsFile)
{
    if (settingsFile.isEmpty())
        store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("Cardova"), QStringLiteral("Cardova"));
    else
        store_ = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    const QString path = store_->fileName();
    const SettingsFileCheck check = rescueSettingsFile(path, QDateTime::currentDateTime());
    if (!check.damaged)
        return;
    if (check.recoded) // read the file again, now that it is UTF-8
        store_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    mayWrite_ = check.mayWrite();
    // The message about the damage already says when nothing can be saved.
    unsavedReported_ = check.isFolder || !mayWrite_;
    if (!check.keptCopy.isEmpty())
        restartStore(path);
    report(damagedSettingsText(path, check));
}

void cData::restartStore(const QString &path)
{
    // The damaged file is kept aside; the store goes on in a clean file with
    // what could be read, so its state no longer carries the damage.
    // Only the program's own groups are carried over: keys made of the
    // damage itself would only be written back.
    QVariantMap readable;
    for (const QString &key : store_->allKeys())
        if (key.startsWith(kData) || key.startsWith(kUsers) || key.startsWith(kRecent) ||
            key.startsWith(kWindow))
            readable.insert(key, store_->value(key));
    store_.reset();
    QFile::remove(path);
    store_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    for (auto it = readable.cbegin(); it != readable.cend(); ++it)
        store_->setValue(it.key(), it.value());
    sync();
}

cData::~cData() = default;

QByteArray cData::windowGeometry(const QString &window) const
{
    const QString text = textOf(store_->value(kWindow + window + QStringLiteral("Geometry")));
    return QByteArray::fromBase64(text.toLatin1());
}

QString cData::windowFrame(const QString &window) const
{
    return textOf(store_->value(kWindow + window + QStringLiteral("Frame")));
}

void cData::setWindowGeometry(const QString &window, const QByteArray &geometry, const QString &frame)
{
    storeValue(kWindow + window + QStringLiteral("Geometry"), QString::fromLatin1(geometry.toBase64()));
    storeValue(kWindow + window + QStringLiteral("Frame"), frame);
    sync();
}

void cData::loadAll()
{
    for (size_t i = 0; i < size_t(IntKey::Count); ++i) {
        const IntKeyInfo &k = kIntKeys[i];
        long long v = k.def;
        const QVariant stored = store_->value(kData + QLatin1String(k.name));
        if (!stored.isValid() || !readInt(stored.toString(), k.min, k.max, &v))
            v = k.def;
        ints_[i] = int16_t(v);
    }
    long long color = 128;
    const QVariant c = store_->value(kData + QStringLiteral("CustomColor"));
    if (c.isValid() && readInt(c.toString(), INT32_MIN, INT32_MAX, &color))
        customColor_ = int32_t(color);
    const QVariant last = store_->value(kData + QStringLiteral("LastGName"));
    lastGNameStored_ = last.isValid();
    lastGName_ = textOf(last);
    for (int i = 0; i < kMaxPlayers; ++i)
        players_[size_t(i)] = textOf(store_->value(kUsers + QString::number(i + 1)));
    curPlayer_ = textOf(store_->value(kUsers + QStringLiteral("100")));
    for (int i = 0; i < kRecentSlots; ++i)
        recent_[size_t(i)] = textOf(store_->value(kRecent + QString::number(i + 1)));
    closePlayerGaps();
}

void cData::closePlayerGaps()
{
    // Everything that lists players walks slots 1..TotalPlayers, so a file
    // edited by hand with an empty slot between players would hide the later
    // ones. The names move down as a deletion would move them.
    std::array<QString, kMaxPlayers> packed;
    size_t n = 0;
    for (const QString &p : players_)
        if (!p.isEmpty())
            packed[n++] = p;
    for (int i = 0; i < kMaxPlayers; ++i)
        if (players_[size_t(i)] != packed[size_t(i)])
            SetPlayer(int16_t(i + 1), packed[size_t(i)], false);
}

void cData::writeValue(const QString &key, const QString &value)
{
    if (textOf(store_->value(key)) == value && store_->contains(key))
        return; // nothing changes: spare the disk
    storeValue(key, value);
    sync();
}

void cData::storeValue(const QString &key, const QString &value)
{
    if (mayWrite_)
        store_->setValue(key, value);
}

void cData::sync()
{
    if (!mayWrite_)
        return;
    store_->sync();
    if (store_->status() != QSettings::NoError && !unsavedReported_) {
        unsavedReported_ = true;
        report(unsavedSettingsText(store_->fileName()));
    }
}

void cData::report(const QString &text)
{
    if (report_)
        report_(text);
    else
        pendingProblems_ << text;
}

void cData::setProblemReport(std::function<void(const QString &)> report)
{
    report_ = std::move(report);
    if (!report_)
        return;
    const QStringList pending = std::exchange(pendingProblems_, {});
    for (const QString &text : pending)
        report_(text);
}

bool cData::storeWritable() const
{
    return mayWrite_ && store_->isWritable() && store_->status() == QSettings::NoError;
}

void cData::InitCD(const QString &cProdName, int16_t cTotalGames, const QString &cHelpFile)
{
    prodName_ = cProdName;
    helpFile_ = cHelpFile;
    gameNames_.clear();
    SetTotalGames(cTotalGames);
}

namespace {
// A folder as AppDir gives it: clean, ending in a separator.
QString folderText(QString dir)
{
    dir = QDir::cleanPath(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}
} // namespace

QString cData::AppDir() const
{
    return appDirOverride_.isEmpty() ? defaultAppDir(prodName_) : folderText(appDirOverride_);
}

QString cData::defaultAppDir(const QString &prodName)
{
    return folderText(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
                      prodName);
}

QString cData::dataFilePath(const QString &name, const QString &extension) const
{
    return AppDir() + fileNameForName(name) + extension;
}

void cData::SetTotalGames(int16_t n)
{
    if (n < 0)
        n = 0;
    while (gameNames_.size() > n)
        gameNames_.removeLast();
    while (gameNames_.size() < n)
        gameNames_.append(QString());
}

void cData::SetGame(int16_t gid, const QString &gName)
{
    if (gid >= 1 && gid <= gameNames_.size())
        gameNames_[gid - 1] = gName;
}

QString cData::GetGName(int16_t gid) const
{
    if (gid < 1 || gid > gameNames_.size())
        return {};
    return gameNames_[gid - 1];
}

int16_t cData::GetGameID(const QString &gName) const
{
    const qsizetype i = gameNames_.indexOf(gName);
    return i < 0 ? int16_t(0) : int16_t(i + 1);
}

int16_t cData::defaultOf(IntKey key) { return kIntKeys[size_t(key)].def; }
const char *cData::keyName(IntKey key) { return kIntKeys[size_t(key)].name; }

void cData::setIntSetting(IntKey key, int16_t value)
{
    ints_[size_t(key)] = value;
    writeValue(kData + QLatin1String(keyName(key)), QString::number(value));
}

void cData::SetCustomColor(int32_t color)
{
    customColor_ = color;
    writeValue(kData + QStringLiteral("CustomColor"), QString::number(color));
}

QString cData::LastGName() const
{
    if (lastGNameStored_)
        return lastGName_;
    const QString first = GetGName(1);
    return first.isEmpty() ? QStringLiteral("Klondike") : first;
}

void cData::SetLastGName(const QString &name)
{
    lastGName_ = name;
    lastGNameStored_ = true;
    writeValue(kData + QStringLiteral("LastGName"), name);
}

int16_t cData::TotalPlayers() const
{
    int16_t n = 0;
    for (const QString &p : players_)
        if (!p.isEmpty())
            ++n;
    return n;
}

QString cData::GetPlayer(int16_t slot) const
{
    if (slot < 1 || slot > kMaxPlayers)
        return {};
    return players_[size_t(slot - 1)];
}

void cData::SetPlayer(int16_t slot, const QString &playerName, bool curPl)
{
    if (slot < 1 || slot > kMaxPlayers)
        return;
    players_[size_t(slot - 1)] = playerName;
    writeValue(kUsers + QString::number(slot), playerName);
    if (curPl)
        SetCurPlayer(playerName);
}

void cData::SetCurPlayer(const QString &name)
{
    curPlayer_ = name;
    writeValue(kUsers + QStringLiteral("100"), name);
}

QString cData::GetRecent(int16_t pos) const
{
    if (pos < 1 || pos > kRecentSlots)
        return {};
    return recent_[size_t(pos - 1)];
}

void cData::SetRecent(const QString &gName)
{
    if (recent_[0] == gName)
        return;
    for (int i = kRecentSlots - 1; i >= 1; --i)
        recent_[size_t(i)] = recent_[size_t(i - 1)];
    recent_[0] = gName;
    for (int i = 0; i < kRecentSlots; ++i)
        storeValue(kRecent + QString::number(i + 1), recent_[size_t(i)]);
    sync();
}

int16_t cData::RecentCount() const
{
    int16_t n = 0;
    for (const QString &r : recent_)
        if (!r.isEmpty())
            ++n;
    return n;
}

void cData::ClearRecent()
{
    for (int i = 0; i < kRecentSlots; ++i) {
        recent_[size_t(i)].clear();
        storeValue(kRecent + QString::number(i + 1), QString());
    }
    sync();
}

void cData::SetCurGName(const QString &name)
{
    curGName_ = name;
    SetLastGName(name);
}

} // namespace cardova
