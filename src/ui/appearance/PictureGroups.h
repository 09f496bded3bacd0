#pragma once
// The groups in which backgrounds and decks are offered to the player, and
// the entry text of each picture ("Bricks 01", "Misc 01", ...).
#include <QList>
#include <QString>

namespace cardova::ui {

struct PictureGroup {
    QString name;
    QList<int> ids;
};

// "Bricks" 1-5 ... "Wood" 71-73.
QList<PictureGroup> backgroundGroups();
// "Flowers" 501-503 ... "Nature" 541-544; 545 is not offered.
QList<PictureGroup> deckGroups();
// Picture n (1-based) of a group: the group name, a blank, "0" and n.
QString pictureEntryText(const QString &group, int n);

} // namespace cardova::ui
