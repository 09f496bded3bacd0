#pragma once
// The picture backgrounds: procedurally generated tiles that repeat without
// seams. Ids and groups as the customise dialog lists them ("Bricks" 1-5,
// "Marbles" 11-13, "Paper" 21-25, "Rocks" 31-34, "Stars" 41-43,
// "Surfaces" 51-55, "Water" 61-65, "Wood" 71-73).
#include <QImage>
#include <QList>
#include <QSize>

namespace cardova::ui {

bool isTileId(int id);
QList<int> tileIds();
// Logical size of tile `id` (80-200 wide, 80-140 high); empty when unknown.
QSize tileSize(int id);
// The tile drawn at the device pixel ratio `dpr`; a null image when unknown.
QImage renderTile(int id, qreal dpr);

} // namespace cardova::ui
