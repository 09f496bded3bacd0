#include "ui/appearance/PictureGroups.h"

namespace cardova::ui {

namespace {
PictureGroup run(const char *name, int first, int last)
{
    PictureGroup g{QString::fromLatin1(name), {}};
    for (int id = first; id <= last; ++id)
        g.ids.append(id);
    return g;
}
} // namespace

QList<PictureGroup> backgroundGroups()
{
    return {run("Bricks", 1, 5),    run("Marbles", 11, 13),  run("Paper", 21, 25), run("Rocks", 31, 34),
            run("Stars", 41, 43),   run("Surfaces", 51, 55), run("Water", 61, 65), run("Wood", 71, 73)};
}

QList<PictureGroup> deckGroups()
{
    return {run("Flowers", 501, 503), run("Garden", 511, 512), run("Geometry", 521, 523), run("Misc", 531, 533),
            run("Nature", 541, 544)};
}

QString pictureEntryText(const QString &group, int n)
{
    return group + QStringLiteral(" 0") + QString::number(n);
}

} // namespace cardova::ui
