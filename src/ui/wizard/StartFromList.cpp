#include "ui/wizard/StartFromList.h"

#include "rules/ClassicGames.h"
#include "rules/StandardGames.h"
#include "settings/cCustom.h"
#include "settings/cData.h"

#include <QComboBox>

namespace cardova::ui {

namespace {
// Where an entry's record comes from: its name alone could be a classic and
// a player's game at once, once the player has added that classic.
enum class Source { Preset, Standard, Classic, Designed };
constexpr int kSourceRole = Qt::UserRole;

void addEntry(QComboBox &combo, const QString &text, Source source)
{
    combo.addItem(text);
    combo.setItemData(combo.count() - 1, int(source), kSourceRole);
}
} // namespace

void fillStartFrom(QComboBox &combo, const cData &data)
{
    combo.clear();
    addEntry(combo, QStringLiteral("The wizard's own choices"), Source::Preset);
    combo.insertSeparator(combo.count());
    for (int id = 1; id <= kStandardGameCount; ++id)
        addEntry(combo, standardGameName(id), Source::Standard);
    combo.insertSeparator(combo.count());
    for (const ClassicGame &game : classicGames())
        addEntry(combo, QString::fromLatin1(game.name), Source::Classic);
    if (data.TotalGames() > kStandardGameCount)
        combo.insertSeparator(combo.count());
    for (int16_t id = kStandardGameCount + 1; id <= data.TotalGames(); ++id)
        addEntry(combo, data.GetGName(id), Source::Designed);
    combo.setCurrentIndex(0);
}

QString startRecord(const QComboBox &combo, const cCustom &custom, GameRecord *record)
{
    const QString name = combo.currentText();
    switch (Source(combo.currentData(kSourceRole).toInt())) {
    case Source::Preset: *record = GameRecord{}; return {};
    case Source::Standard: *record = standardGameRecord(name).value_or(GameRecord{}); return {};
    case Source::Classic: *record = classicRecord(name).value_or(GameRecord{}); return {};
    case Source::Designed: return custom.LoadRecord(name, record);
    }
    return {};
}

} // namespace cardova::ui
