// The table a record lays out: every area has a place of its own, whatever
// the mix of stock, fanned waste, cells and reserve, and the table stands
// centred, cells and reserve included.
#include "TestSupport.h"

#include "rules/ClassicGames.h"
#include "rules/RecordPlaces.h"
#include "rules/TableFit.h"
#include "rules/TableLayout.h"
#include "settings/cCustom.h"

#include <QRect>
#include <vector>

using namespace cardova;
using cardova::test::ContextFixture;

namespace {
// Tableau piles grow down; this far is as far as any can.
constexpr int kPileReach = 20000;

struct Area {
    QString what;
    QRect rect;
};

class RecordPlacesTest : public ContextFixture {
protected:
    // Loads the record into `games`.
    void load(const GameRecord &r) { cCustom(ctx->data, games).ApplyRecord(r); }
    QRect card(int cell, int pile, int pos = 0) const
    {
        return {games.GetCordX(cell, pile, pos), games.PileBaseY(cell, pile), kCardWidth, kCardHeight};
    }
    // Every area's rectangle: tableau piles reach down, the reserve by its
    // fan, the stock and the waste up and left by their depth, the waste
    // right by its fan.
    std::vector<Area> areas(const GameRecord &r) const
    {
        std::vector<Area> list;
        for (int p = 0; p < games.Piles(kTableau); ++p)
            list.push_back({QStringLiteral("pile %1").arg(p), card(kTableau, p).adjusted(0, 0, 0, kPileReach)});
        for (int p = 0; p < games.Piles(kFoundation); ++p)
            list.push_back({QStringLiteral("foundation %1").arg(p), card(kFoundation, p)});
        for (int c = 0; c < games.Piles(kFreeCell); ++c)
            list.push_back({QStringLiteral("cell %1").arg(c), card(kFreeCell, c)});
        if (games.Piles(kReserve) > 0) {
            const int fan = games.GetCordY(kReserve, 0, r.reserveCards - 1) - games.PileBaseY(kReserve, 0);
            list.push_back({QStringLiteral("reserve"), card(kReserve, 0).adjusted(0, 0, 0, fan)});
        }
        for (const int cell : {int(kStock), int(kWaste)}) {
            if (games.Piles(cell) == 0)
                continue;
            const QPoint deepest(games.GetCordX(cell, 0, kDeckSize - 1), games.GetCordY(cell, 0, kDeckSize - 1));
            QRect rect = card(cell, 0).united(QRect(deepest, QSize(kCardWidth, kCardHeight)));
            if (cell == kWaste)
                rect.setRight(rect.right() + (TableLayout::wasteFanCards(games) - 1) * kWasteFan);
            list.push_back({cell == kStock ? QStringLiteral("stock") : QStringLiteral("waste"), rect});
        }
        return list;
    }
    cGames games;
};

GameRecord designed(bool stock, int16_t draw, int16_t cells, int16_t reserve, int16_t piles)
{
    GameRecord r;
    r.hPiles = piles;
    r.stock = stock;
    r.draw = draw;
    r.cells = cells;
    r.reserveCards = reserve;
    if (!stock)
        r.deal = DealPattern::Rows;
    return r;
}
} // namespace

TEST_F(RecordPlacesTest, EveryMixOfAreasGetsPlacesThatDoNotOverlap)
{
    for (const bool stock : {true, false})
        for (const int16_t draw : {1, 3})
            for (const int16_t cells : {0, 1, 4, 5, 8})
                for (const int16_t reserve : {0, 13, 20})
                    for (const int16_t piles : {1, 4, 7, 8, 10}) {
                        const GameRecord r = designed(stock, draw, cells, reserve, piles);
                        load(r);
                        const auto list = areas(r);
                        const TableBox box = tableBox(games, kMinOpenFan);
                        for (size_t i = 0; i < list.size(); ++i) {
                            SCOPED_TRACE(testing::Message() << "stock " << stock << " draw " << draw << " cells "
                                                            << cells << " reserve " << reserve << " piles " << piles
                                                            << ": " << list[i].what.toStdString());
                            const QRect &a = list[i].rect;
                            EXPECT_GE(a.left(), box.left);
                            EXPECT_LE(a.left() + a.width(), box.right);
                            EXPECT_GE(a.top(), box.top);
                            for (size_t j = i + 1; j < list.size(); ++j)
                                EXPECT_FALSE(a.intersects(list[j].rect)) << "overlaps " << list[j].what.toStdString();
                        }
                    }
}

// The table stands on the standard table's middle: the row above the
// tableau and the tableau (with its reserve) share it, so a game with many
// cells is not pushed to one side.
TEST_F(RecordPlacesTest, RowsAndTableauShareTheMiddle)
{
    load(GameRecord{});
    const QRect standard = card(kTableau, 0).united(card(kTableau, games.Piles(kTableau) - 1));
    const int middle = standard.center().x();
    for (const ClassicGame &classic : classicGames()) {
        SCOPED_TRACE(classic.name);
        load(classic.record);
        const auto list = areas(classic.record);
        QRect body, rows;
        for (const Area &a : list)
            (a.what.startsWith(QLatin1String("pile")) || a.what == QLatin1String("reserve") ? body : rows) |= a.rect;
        EXPECT_NEAR(body.center().x(), middle, kPileStep / 8);
        EXPECT_NEAR(rows.center().x(), middle, kPileStep / 8);
    }
}

TEST_F(RecordPlacesTest, ClassicLayouts)
{
    // FreeCell: four cells left of the four foundations, in one row over
    // the eight piles.
    load(*classicRecord(QStringLiteral("FreeCell")));
    EXPECT_EQ(games.PileBaseY(kFreeCell, 0), games.PileBaseY(kFoundation, 0));
    EXPECT_LT(games.GetCordX(kFreeCell, 3, 0) + kCardWidth, games.GetCordX(kFoundation, 0, 0));
    // Eight Off: eight cells need a row of their own, above the foundations
    // and over the eight piles, one cell over each.
    load(*classicRecord(QStringLiteral("Eight Off")));
    EXPECT_LT(games.PileBaseY(kFreeCell, 0) + kCardHeight, games.PileBaseY(kFoundation, 0));
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(games.GetCordX(kFreeCell, c, 0), games.GetCordX(kTableau, c, 0));
    // Canfield: the reserve in the stock's column, the four piles under
    // the four foundations.
    load(*classicRecord(QStringLiteral("Canfield")));
    EXPECT_EQ(games.GetCordX(kReserve, 0, 0), games.GetCordX(kStock, 0, 0));
    EXPECT_GT(games.PileBaseY(kReserve, 0), games.PileBaseY(kStock, 0));
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(games.GetCordX(kTableau, p, 0), games.GetCordX(kFoundation, p, 0));
}
