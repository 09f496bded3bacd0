#include "settings/cCustom.h"

#include "common/Numeric.h"
#include "engine/cArray.h"
#include "rules/StandardGames.h"
#include "rules/cGames.h"
#include "settings/FileNames.h"
#include "settings/GameFile.h"
#include "settings/cData.h"

#include <QDir>
#include <algorithm>

namespace cardova {

namespace {
const QString kExtension = QStringLiteral(".gam");
} // namespace

void cCustom::RefreshList()
{
    QDir dir(data_.AppDir());
    // Without QDir::CaseSensitive the pattern matches ".GAM" too.
    QStringList files = dir.entryList({QStringLiteral("*.gam")}, QDir::Files | QDir::Hidden);
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    files_ = files;
}

void cCustom::Init()
{
    RefreshList();
    data_.SetTotalGames(int16_t(kStandardGameCount + files_.size()));
    for (int i = 1; i <= kStandardGameCount; ++i)
        data_.SetGame(int16_t(i), standardGameName(i));
    for (int i = 0; i < files_.size(); ++i)
        data_.SetGame(int16_t(kStandardGameCount + 1 + i), gName(i));
}

QString cCustom::gName(int index) const
{
    if (index < 0 || index >= files_.size())
        return {};
    const QString &f = files_[index];
    return nameFromFileName(f.left(f.size() - 4));
}

QString cCustom::gPath(int index) const
{
    if (index < 0 || index >= files_.size())
        return {};
    return data_.AppDir() + files_[index];
}

QString cCustom::gamePath(const QString &gName) const
{
    return data_.dataFilePath(gName, kExtension);
}

QString cCustom::LoadRecord(const QString &gName, GameRecord *record) const
{
    if (const auto builtIn = standardGameRecord(gName)) {
        *record = *builtIn;
        return {};
    }
    if (gName.isEmpty())
        return QStringLiteral("no game name was given");
    const QString problem = readGameFile(gamePath(gName), record);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("The game \"%1\" cannot be loaded: %2.").arg(gName, problem);
}

QString cCustom::InitGame(const QString &gName)
{
    GameRecord r;
    const QString problem = LoadRecord(gName, &r);
    if (problem.isEmpty())
        current_ = r;
    return problem;
}

QString cCustom::SelectGame(const QString &gName)
{
    GameRecord r;
    const QString problem = LoadRecord(gName, &r);
    if (!problem.isEmpty())
        return problem;
    current_ = r;
    ApplyRecord(r);
    return {};
}

void cCustom::ApplyRecord(const GameRecord &r)
{
    games_.Res(0, 0, 0, 0, 0, 0, 20, 0, 0);
    games_.Waste(0, 0, 0, 0, 0, 30);
    table_.BaseNum = 0;
    const int16_t goalWrap = r.gBase != 0 ? 1 : 0;
    const int16_t startX = round16((10 - r.hPiles) * 1165 / 2.0);
    games_.Home(r.hPiles, r.hOrder, 52, r.hAk, r.hSpace, r.hMulti, startX, 1640, 1165, 250, 20,
                0, 0, 1, 0, 2, r.hPiles);
    games_.Goal(4, r.gOrder, r.gCards, r.gBase, goalWrap, 5975, 0, 1165, 0, 20, 0, 0);
    games_.Stock(1, 1, 1165, 0, 30, 2, 0);
    games_.Waste(1, 2430, 0, 0, 0, 30);
    games_.Ext(11550, 200, 52, 0, QString(), 0, 0);
}

QString cCustom::SaveGame(const QString &gName, const GameRecord &record) const
{
    if (gName.trimmed().isEmpty())
        return QStringLiteral("Please enter a name for the game.");
    QDir().mkpath(data_.AppDir());
    return writeGameFile(gamePath(gName), record);
}

} // namespace cardova
