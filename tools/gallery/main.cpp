// Renders every picture of the game into contact sheets, to be looked at:
//   QT_QPA_PLATFORM=offscreen build-ui/tools/gallery/cardova-gallery [folder]
#include "ContactSheet.h"

#include "settings/cData.h"
#include "ui/appearance/Appearance.h"
#include "ui/appearance/BackgroundTiles.h"
#include "ui/appearance/CardFaces.h"
#include "ui/appearance/Colors.h"
#include "ui/appearance/DeckBacks.h"
#include "ui/appearance/PileMarks.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

using namespace cardova;
using namespace cardova::ui;

namespace {
const QSize kCard(kCardWidthPx, kCardHeightPx);

bool faces(const Appearance &look, qreal dpr, const QString &path)
{
    ContactSheet sheet(13, kFaceCount, kCard, dpr);
    for (int k = 1; k <= kFaceCount; ++k)
        sheet.place(k - 1, look.MainPic(k), QString::number(k));
    return sheet.save(path);
}

// A few cards large, to judge the details of the court figures and pips.
bool closeup(const cData &data, const QString &path)
{
    const Appearance big(data, 4.0);
    const int picks[] = {10, 11, 12, 13, 24, 25, 26, 40};
    ContactSheet sheet(8, 8, kCard, 4.0);
    for (int i = 0; i < 8; ++i)
        sheet.place(i, big.MainPic(picks[i]), QString::number(picks[i]));
    return sheet.save(path);
}

bool backs(const Appearance &look, const QString &path)
{
    const QList<int> ids = deckIds();
    ContactSheet sheet(8, int(ids.size()), kCard, look.devicePixelRatio());
    for (int i = 0; i < ids.size(); ++i)
        sheet.place(i, look.GetPic(ids[i]), QString::number(ids[i]));
    return sheet.save(path);
}

bool tiles(const Appearance &look, const QString &path)
{
    const QList<int> ids = tileIds();
    ContactSheet sheet(6, int(ids.size()), QSize(260, 200), look.devicePixelRatio());
    for (int i = 0; i < ids.size(); ++i) {
        const QSize s = tileSize(ids[i]);
        sheet.placeTiled(i, look.GetPic(ids[i]), QStringLiteral("%1 (%2x%3)").arg(ids[i]).arg(s.width()).arg(s.height()));
    }
    return sheet.save(path);
}

bool colours(const Appearance &look, const QString &path)
{
    // Each colour twice: fading to black, then plain; the custom colour 128 last.
    const int count = (kLastNamedColor - kFirstNamedColor + 2) * 2;
    ContactSheet sheet(10, count, QSize(110, 80), look.devicePixelRatio());
    int i = 0;
    for (int ind = kFirstNamedColor; ind <= kLastNamedColor + 1; ++ind) {
        const int index = ind > kLastNamedColor ? kCustomColorIndex : ind;
        const QString name = index == kCustomColorIndex ? QStringLiteral("Custom 128") : GetCol(index)->name;
        for (int fade : {1, 0})
            sheet.place(i++, look.background(index, QSize(110, 80), fade, 128),
                        name + (fade ? QStringLiteral(" fade") : QString()));
    }
    return sheet.save(path);
}

bool marks(const Appearance &look, const QString &path)
{
    // On the default dark green, then on light paper, where they must still show.
    ContactSheet sheet(kMarkCount, kMarkCount * 2, kCard, look.devicePixelRatio());
    for (int pass = 0; pass < 2; ++pass) {
        const QPixmap ground = look.background(pass ? 21 : 1007, kCard, 1, 128);
        for (int m = 0; m < kMarkCount; ++m) {
            QPixmap cell = ground;
            QPainter(&cell).drawPixmap(0, 0, look.RightPic(m));
            sheet.place(pass * kMarkCount + m, cell, QString::number(m));
        }
    }
    return sheet.save(path);
}

bool selected(const Appearance &look, const QString &path)
{
    const int picks[] = {1, 14, 23, 40, 51, 37};
    ContactSheet sheet(6, 12, kCard, look.devicePixelRatio(), QColor(0, 100, 0));
    for (int i = 0; i < 6; ++i) {
        sheet.place(i, look.MainPic(picks[i]), QString::number(picks[i]));
        sheet.place(6 + i, Appearance::invertedCard(look.MainPic(picks[i])), QStringLiteral("selected"));
    }
    return sheet.save(path);
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(CARDOVA_GALLERY_DIR);
    QDir().mkpath(out);
    QTemporaryDir settings;
    cData data(settings.filePath(QStringLiteral("gallery.ini")), settings.path());
    const Appearance look(data, 1.0), sharp(data, 2.0);
    const bool ok = faces(look, 1.0, out + QStringLiteral("/faces.png")) &&
                    faces(sharp, 2.0, out + QStringLiteral("/faces@2x.png")) &&
                    closeup(data, out + QStringLiteral("/closeup@4x.png")) && backs(sharp, out + QStringLiteral("/backs@2x.png")) && tiles(look, out + QStringLiteral("/tiles.png")) &&
                    colours(look, out + QStringLiteral("/colours.png")) && marks(look, out + QStringLiteral("/marks.png")) &&
                    selected(look, out + QStringLiteral("/selected.png"));
    std::printf("%s %s\n", ok ? "Contact sheets written to" : "Could not write the sheets to", qPrintable(out));
    return ok ? 0 : 1;
}
