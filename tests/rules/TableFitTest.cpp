#include "TestSupport.h"

#include "rules/ClassicGames.h"
#include "rules/TableFit.h"
#include "rules/TableLayout.h"
#include "settings/cCustom.h"

#include <memory>

using namespace cardova;
using cardova::test::ContextFixture;

namespace {
// Pile 6 of Klondike at its tallest: six cards dealt face down, a whole
// run of thirteen on them.
const QString kTallPile = QStringLiteral("KS* QS* JS* TS* 9S* 8S* KH QC JH TC 9H 8C 7H 6C 5H 4C 3H 2C AH");
const int kTallPileCards = 19;

class TableFitTest : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        start(QStringLiteral("Klondike"), 1);
        layout = std::make_unique<TableLayout>(ctx->games, ctx->table);
        ctx->table.setLayout(layout.get());
    }
    void TearDown() override
    {
        ctx->table.setLayout(nullptr);
        layout.reset();
        ContextFixture::TearDown();
    }
    void layTallPile()
    {
        test::Layout layout;
        layout.tableau = {"", "", "", "", "", "", kTallPile};
        test::lay(*ctx, layout);
    }
    int cardTop(int pos) const { return layout->slotY(kTableau, 6, pos); }
    // Spacing between face-up cards `pos` and `pos + 1` of pile 6.
    int fanAt(int pos) const { return cardTop(pos + 1) - cardTop(pos); }

    // The window's layout of the table, as a main window hands it over.
    std::unique_ptr<TableLayout> layout;
};
} // namespace

TEST_F(TableFitTest, RoomIsKeptForTheDealAndATypicalRunWhateverTheBuildingOrder)
{
    const PileCards klondike = typicalTableauPile(ctx->games);
    EXPECT_EQ(klondike.closed, 6);
    EXPECT_EQ(klondike.open, kTypicalOpenCards);

    // Orders that could stack the whole deck on one pile keep no more room
    // than any other: such a pile fans closer when it comes.
    GameRecord wrapping; // ace-king wrap: a run never runs out of ranks
    wrapping.hPiles = 9;
    wrapping.hAk = 1;
    ctx->custom.ApplyRecord(wrapping);
    EXPECT_EQ(typicalTableauPile(ctx->games).closed, 8);
    EXPECT_EQ(typicalTableauPile(ctx->games).open, kTypicalOpenCards);

    GameRecord anyCard; // "Any Card" builds on anything
    anyCard.hOrder = 6;
    anyCard.hAk = 0;
    ctx->custom.ApplyRecord(anyCard);
    EXPECT_EQ(typicalTableauPile(ctx->games).open, kTypicalOpenCards);
}

TEST_F(TableFitTest, BoxHoldsEveryDealtCardAndATypicalPile)
{
    const int natural = ctx->games.area(kTableau).PosWidth;
    const TableBox box = tableBox(ctx->games, natural);
    for (const cCard &c : ctx->cards) {
        if (!c.Visible)
            continue;
        EXPECT_GE(c.Left, box.left + kTableMargin);
        EXPECT_GE(c.Top, box.top + kTableMargin);
        EXPECT_LE(c.Left + kCardWidth, box.right - kTableMargin);
        EXPECT_LE(c.Top + kCardHeight, box.bottom - kTableMargin);
    }
    // Six cards face down and a typical run on them reach the box's bottom.
    test::Layout layout;
    layout.tableau = {"", "", "", "", "", "", "KS* QS* JS* TS* 9S* 8S* KH QC JH TC 9H 8C 7H 6C"};
    test::lay(*ctx, layout);
    EXPECT_EQ(box.bottom - kTableMargin, cardTop(6 + kTypicalOpenCards - 1) + kCardHeight);
    EXPECT_LT(tableBox(ctx->games, kMinOpenFan).bottom, box.bottom);
}

namespace {
// Standard games and designed ones: nine piles with "Any Card" in spaces,
// the "Any Card" building order, up or down, four piles, no wrap.
std::vector<std::pair<QString, GameRecord>> everyKindOfGame()
{
    std::vector<std::pair<QString, GameRecord>> games;
    for (const char *name : {"Klondike", "Klondike Plus", "Lawn"})
        games.emplace_back(QString::fromLatin1(name), GameRecord{});
    const GameRecord designed[] = {{0, 0, 0, 4, 13, 9, 1, 1}, {0, 0, 0, 6, 13, 9, 0, 1}, {2, 13, 4, 8, 10, 9, 1, 0},
                                   {0, 0, 0, 4, 13, 4, 1, 1}, {3, 12, 2, 9, 10, 8, 0, 1}, {1, 5, 0, 5, 12, 6, 0, 0}};
    for (const GameRecord &r : designed)
        games.emplace_back(QString(), r);
    return games;
}
} // namespace

TEST_F(TableFitTest, CardsAreAsLargeAsTheWidthAllowsInEveryGame)
{
    // The table's area in 800 x 600 and 1920 x 1080 windows, below the
    // menus and the toolbar, in table units at 100 %.
    const std::pair<double, double> areas[] = {{800 * 15, 520 * 15}, {1920 * 15, 1000 * 15}};
    for (const auto &[name, record] : everyKindOfGame()) {
        if (name.isEmpty())
            ctx->custom.ApplyRecord(record);
        else
            start(name, 1);
        for (auto [w, h] : areas) {
            SCOPED_TRACE(testing::Message() << (name.isEmpty() ? "designed" : name.toStdString()) << " "
                                            << record.hPiles << " piles, order " << record.hOrder << ", " << w / 15
                                            << " x " << h / 15);
            const double byWidth = w / tableBox(ctx->games, kMinOpenFan).width();
            EXPECT_GE(fitTable(ctx->games, w, h).zoom, 0.9 * byWidth);
            EXPECT_LE(fitTable(ctx->games, w, h).zoom, byWidth + 1e-9);
        }
    }
}

TEST_F(TableFitTest, FitsCentredWithinTheZoomRange)
{
    const TableBox box = tableBox(ctx->games, kMinOpenFan);
    // Window areas in table units at 100 %: 800 x 540, 1920 x 1000 and
    // 3840 x 2100 pixels, a tiny one and a very wide one.
    const std::pair<double, double> areas[] = {
        {12000, 8100}, {28800, 15000}, {57600, 31500}, {3000, 2000}, {90000, 9000}};
    for (auto [w, h] : areas) {
        const TableFit fit = fitTable(ctx->games, w, h);
        SCOPED_TRACE(testing::Message() << w << " x " << h << " zoom " << fit.zoom);
        EXPECT_GE(fit.zoom, kMinZoom);
        EXPECT_LE(fit.zoom, kMaxZoom);
        const double left = (box.left + fit.originX) * fit.zoom, right = (box.right + fit.originX) * fit.zoom;
        const double top = (box.top + fit.originY) * fit.zoom, bottom = (box.bottom + fit.originY) * fit.zoom;
        EXPECT_NEAR(left, w - right, 1e-6);
        EXPECT_NEAR(top, h - bottom, 1e-6);
        if (fit.zoom > kMinZoom && fit.zoom < kMaxZoom) { // the table fits, touching two sides
            EXPECT_GE(left, -1e-6);
            EXPECT_GE(top, -1e-6);
            EXPECT_TRUE(std::abs(left) < 1e-6 || std::abs(top) < 1e-6);
        }
    }
    EXPECT_EQ(fitTable(ctx->games, 3000, 2000).zoom, kMinZoom);
    EXPECT_EQ(fitTable(ctx->games, 900000, 900000).zoom, kMaxZoom);
}

TEST_F(TableFitTest, ATallPileSqueezesItsFanBeforeTheCardsShrink)
{
    layTallPile();
    const int natural = ctx->games.area(kTableau).PosWidth;
    // A narrow window: its width decides, and below the table there is room
    // for the tallest pile squeezed, not at its natural spacing.
    const TableBox typical = tableBox(ctx->games, kMinOpenFan);
    const double width = 1.5 * typical.width(), height = 11700;
    const TableFit fit = fitTable(ctx->games, width, height, &ctx->table);
    EXPECT_NEAR(fit.zoom, width / typical.width(), 1e-9); // the cards keep their size
    layout->setTableauBottom(fit.tableauBottom);
    EXPECT_LE(cardTop(kTallPileCards - 1) + kCardHeight, fit.tableauBottom);
    EXPECT_LT(fanAt(10), natural);
    EXPECT_GE(fanAt(10), kMinOpenFan);
    EXPECT_EQ(fanAt(10), fanAt(16)); // one spacing for the whole pile
    // Face-down cards keep their offset; a short pile keeps its spacing.
    EXPECT_EQ(cardTop(1) - cardTop(0), kClosedFan);
    EXPECT_EQ(layout->slotY(kTableau, 5, 1) - layout->slotY(kTableau, 5, 0), natural);
}

TEST_F(TableFitTest, APileTooLongEvenSqueezedShrinksTheCardsJustEnoughInPlace)
{
    layTallPile();
    const TableBox typical = tableBox(ctx->games, kMinOpenFan);
    const double width = 200000, height = 15000;
    const TableFit roomy = fitTable(ctx->games, width, height); // as if the pile were not there
    const TableFit fit = fitTable(ctx->games, width, height, &ctx->table);
    EXPECT_LT(fit.zoom, roomy.zoom);
    layout->setTableauBottom(fit.tableauBottom);
    // The pile ends at the bottom margin, at the closest spacing.
    const int bottom = cardTop(kTallPileCards - 1) + kCardHeight;
    EXPECT_LE(bottom, fit.tableauBottom);
    EXPECT_EQ(fanAt(10), kMinOpenFan);
    EXPECT_NEAR((bottom + kTableMargin + fit.originY) * fit.zoom, height, 0.01 * height);
    // The table keeps its middle where it was centred.
    EXPECT_NEAR(((typical.top + typical.bottom) / 2.0 + fit.originY) * fit.zoom, height / 2, 1e-6);
    EXPECT_NEAR(((typical.left + typical.right) / 2.0 + fit.originX) * fit.zoom, width / 2, 1e-6);
    // Piles that fit as they lie change nothing.
    test::lay(*ctx, {{"KS* QS* JS* TS* 9S* 8S* KH QC JH"}});
    EXPECT_EQ(fitTable(ctx->games, width, height, &ctx->table).zoom, roomy.zoom);
}

TEST_F(TableFitTest, TableauBottomMovesOnlyTheCardsOfAPileWithoutRoom)
{
    layTallPile();
    std::vector<int> before;
    for (int pos = 0; pos < kTallPileCards; ++pos)
        before.push_back(cardTop(pos));
    layout->setTableauBottom(30000); // room to spare
    for (int pos = 0; pos < kTallPileCards; ++pos)
        EXPECT_EQ(cardTop(pos), before[size_t(pos)]) << pos;
    EXPECT_FALSE(ctx->table.LayOutTableau());

    layout->setTableauBottom(1000); // no room at all: the closest spacing
    EXPECT_EQ(fanAt(10), kMinOpenFan);
    // The game's own slots keep its spacing: the room is the layout's alone.
    EXPECT_EQ(ctx->games.GetCordY(kTableau, 6, 11) - ctx->games.GetCordY(kTableau, 6, 10),
              ctx->games.area(kTableau).PosWidth);
    EXPECT_TRUE(ctx->table.LayOutTableau());
    const cCard &top = ctx->cards[size_t(test::topId(*ctx, kTableau, 6))];
    EXPECT_EQ(top.Top, cardTop(kTallPileCards - 1));

    layout->setTableauBottom(-5); // nonsense reads as no limit
    EXPECT_EQ(cardTop(kTallPileCards - 1), before.back());
}

// Every free cell of a game lies inside the table the window shows, so
// the mouse can reach each one.
TEST_F(TableFitTest, TheTableHoldsEveryFreeCell)
{
    for (const char *name : {"FreeCell", "Eight Off", "Seahaven Towers"}) {
        const auto record = classicRecord(QString::fromLatin1(name));
        ASSERT_TRUE(record);
        cGames games;
        cCustom(ctx->data, games).ApplyRecord(*record);
        const TableBox box = tableBox(games, games.area(kTableau).PosWidth);
        for (int c = 0; c < games.Piles(kFreeCell); ++c) {
            EXPECT_GE(games.GetCordX(kFreeCell, c, 0), box.left) << name << " cell " << c;
            EXPECT_LE(games.GetCordX(kFreeCell, c, 0) + kCardWidth, box.right) << name << " cell " << c;
            EXPECT_GE(games.GetCordY(kFreeCell, c, 0), box.top) << name << " cell " << c;
        }
    }
}
