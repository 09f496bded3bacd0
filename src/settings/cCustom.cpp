#include "settings/cCustom.h"

#include "common/Numeric.h"
#include "common/PrintableText.h"
#include "rules/RecordPlaces.h"
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

// The name a listed file stands for. A file the program did not name itself
// (an upper-case extension, a quote or a stray "%" in its name) would decode
// to a name whose own file is another one; it keeps its plain stem as its
// name, so loading that name finds this file again.
QString gameNameOfFile(const QString &fileName)
{
    const QString stem = fileName.left(fileName.size() - kExtension.size());
    const QString decoded = nameFromFileName(stem);
    return fileNameForName(decoded) == stem ? decoded : stem;
}
} // namespace

void cCustom::RefreshList()
{
    QDir dir(data_.AppDir());
    // The suffix is compared by hand, in any case (".GAM" too): a name filter
    // would compile a regular expression, which costs the start half a MiB.
    QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    files.removeIf([](const QString &f) { return !f.endsWith(QLatin1String(".gam"), Qt::CaseInsensitive); });
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    files_ = files;
    names_.clear();
    for (const QString &f : files_)
        names_ << gameNameOfFile(f);
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
    if (index < 0 || index >= names_.size())
        return {};
    return names_[index];
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

QString cCustom::gameFilePath(const QString &gName) const
{
    // The file the program would write wins when both are listed.
    const QString own = gamePath(gName);
    const QString ownFile = own.mid(data_.AppDir().size());
    if (files_.contains(ownFile))
        return own;
    const qsizetype listed = names_.indexOf(gName);
    return listed < 0 ? own : data_.AppDir() + files_[listed];
}

QString cCustom::LoadRecord(const QString &gName, GameRecord *record) const
{
    if (const auto builtIn = standardGameRecord(gName)) {
        *record = *builtIn;
        return {};
    }
    if (gName.isEmpty())
        return QStringLiteral("Please choose a game to play.");
    const QString problem = readGameFile(gameFilePath(gName), record);
    if (problem.isEmpty())
        return {};
    // Names and file contents may hold control characters; the message shows
    // them as escapes.
    return printableText(QStringLiteral("The game \"%1\" cannot be loaded: %2.").arg(gName, problem));
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

namespace {
// Offset between the reserve's cards.
constexpr int16_t kReserveFan = 20;

// The deal pattern's HomeType and CardsOpen.
int32_t homeTypeOf(DealPattern deal)
{
    switch (deal) {
    case DealPattern::Yukon: return kHomeYukon;
    case DealPattern::Rows: return kHomeRows;
    default: return kHomeStaircase;
    }
}
} // namespace

void cCustom::ApplyRecord(const GameRecord &r)
{
    games_.Res(0, 0, 0, 0, 0, 0, 20, 0, 0);
    games_.Waste(0, 0, 0, 0, 0, 30);
    const int16_t goalWrap = r.gBase != 0 || r.baseFromDeal ? 1 : 0;
    const RecordPlaces at = recordPlaces(r);
    const bool open = r.deal == DealPattern::StaircaseOpen || r.deal == DealPattern::Rows;
    const int16_t homeCards = r.deal == DealPattern::Rows && r.rowCards > 0 ? r.rowCards : int16_t(52);
    games_.Home(r.hPiles, r.hOrder, homeCards, r.hAk, r.hSpace, r.hMulti, at.tableau.x, at.tableau.y, kPileStep,
                250, 20, 0, 0, homeTypeOf(r.deal), 0, 2, open ? int16_t(0) : r.hPiles);
    const int32_t goalType = r.baseFromDeal ? kGoalBaseFromDeal : r.gBase;
    games_.Goal(4, r.gOrder, r.gCards, goalType, goalWrap, at.foundations.x, at.foundations.y, kPileStep, 0, 20, 0,
                0);
    const int16_t stockNum = r.redeals == 0 ? kStockNeverRecycles : kStockRecycles;
    const int16_t redeals = r.redeals > 0 ? r.redeals : kRedealsUnlimited;
    games_.Stock(r.stock ? 1 : 0, r.draw, at.stock.x, at.stock.y, 30, stockNum, 0);
    games_.Waste(r.stock ? 1 : 0, at.waste.x, at.waste.y, 0, 0, 30);
    if (r.reserveCards > 0)
        games_.Res(1, r.reserveCards, at.reserve.x, at.reserve.y, kPileStep, kReserveFan, 20, 0, 0);
    games_.FreeCells(r.cells, r.cellCards, at.cells.x, at.cells.y, kPileStep);
    games_.setTableauMoves(r.tableauMoves());
    games_.setReserveFillsSpaces(r.reserveFills);
    games_.Ext(11550, 200, 52, redeals, QString(), 0, 0);
}

QString cCustom::SaveGame(const QString &gName, const GameRecord &record) const
{
    if (gName.trimmed().isEmpty())
        return QStringLiteral("Please enter a name for the game.");
    QDir().mkpath(data_.AppDir());
    return writeGameFile(gameFilePath(gName), record);
}

} // namespace cardova
