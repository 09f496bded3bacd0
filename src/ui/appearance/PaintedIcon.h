#pragma once
// An icon drawn by the program at whatever size is asked for, when it is
// asked for. Nothing is kept: a window's icon is sent to the window system
// at several sizes once, and a toolbar button draws one small size, so
// keeping every size as a picture would only hold memory.
#include <QIcon>
#include <QList>
#include <QSize>
#include <functional>

class QPainter;

namespace cardova::ui {

// Draws the picture into a square of `side` logical pixels at the origin.
using IconPainter = std::function<void(QPainter &p, qreal side)>;

// `sizes` are the sizes the icon says it has (a window system takes each of
// them); a disabled icon is the style's greyed version of the drawing.
QIcon paintedIcon(IconPainter paint, const QList<QSize> &sizes);

} // namespace cardova::ui
