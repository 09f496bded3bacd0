// What the main window costs before and after a game: no picture is drawn
// and no thread started for a table nobody plays on, and the table paints
// its background afresh instead of keeping a window-sized picture of it.
#include "TestSupport.h"

#include "settings/GameNumber.h"
#include "ui/appearance/Appearance.h"
#include "ui/windows/TableView.h"
#include "ui/windows/frmMain.h"

#include <QDir>
#include <QImage>

using namespace cardova;
using namespace cardova::test;

namespace {
// The threads of this process, as the system lists them.
int threadCount() { return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()); }

class LeanTableTest : public ContextFixture {
protected:
    QImage table(ui::frmMain &window) { return window.table()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Where no card and no pile mark lies: the top-left corner.
    static QColor corner(const QImage &shot) { return shot.pixelColor(2, 2); }
};

TEST_F(LeanTableTest, AnEmptyTableDrawsNoPictureAndStartsNoThread)
{
    const int before = threadCount();
    ui::Appearance art(ctx->data);
    ui::frmMain window(*ctx, art);
    window.resize(900, 700);
    window.show();
    const QImage shot = table(window);
    EXPECT_EQ(art.picturesHeld(), 0) << "no card is on the table";
    EXPECT_EQ(art.backgroundsHeld(), 0);
    EXPECT_LE(threadCount(), before) << "the solver waits for a game";
    EXPECT_EQ(corner(shot), art.background(ctx->data.BGIndex(), shot.size(), ctx->data.Fade(), ctx->data.CustomColor())
                                .toImage()
                                .pixelColor(2, 2));
}

TEST_F(LeanTableTest, AGameDrawsItsCardsAndTheBackgroundIsPaintedAfresh)
{
    ui::Appearance art(ctx->data);
    ui::frmMain window(*ctx, art);
    window.resize(900, 700);
    window.show();
    window.startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(5));
    const QImage dealt = table(window);
    EXPECT_GT(art.picturesHeld(), 0);
    EXPECT_EQ(art.backgroundsHeld(), 0) << "no picture of the whole table is kept";

    // Another background shows at once, with nothing kept of the old one.
    for (const int bg : {71, 1001}) {
        ctx->data.setIntSetting(IntKey::BGIndex, int16_t(bg));
        window.applySettings();
        const QImage shot = table(window);
        EXPECT_EQ(art.backgroundsHeld(), 0) << bg;
        const QImage expected = art.background(bg, shot.size(), ctx->data.Fade(), ctx->data.CustomColor(),
                                               window.table()->zoom())
                                    .toImage();
        art.clearCaches();
        EXPECT_EQ(corner(shot), expected.pixelColor(2, 2)) << bg;
        EXPECT_NE(corner(shot), corner(dealt)) << bg;
    }
}
} // namespace
