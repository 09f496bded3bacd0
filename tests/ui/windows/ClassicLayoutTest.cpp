// The classics drawn in the main window: every pile, cell and reserve inside
// the window and apart from the others at every window size, the turn of
// three fanned on the waste, and the empty stock that has nothing left to
// turn.
#include "TableFixture.h"

#include "rules/ClassicGames.h"
#include "rules/TableFit.h"
#include "rules/TableLayout.h"
#include "session/Commands.h"
#include "session/GameSave.h"
#include "session/Lifecycle.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "ui/appearance/CardFaces.h"
#include "ui/appearance/PileMarks.h"

#include <QApplication>
#include <QDir>
#include <numeric>
#include <vector>

using namespace cardova;
using namespace cardova::test;

namespace {
struct Shown {
    QString what;
    QRectF rect; // widget pixels
};

class ClassicLayoutTest : public TableFixture {
protected:
    void startClassic(const QString &game, double number = 3)
    {
        startDesigned(game, *classicRecord(game), number);
    }
    void startDesigned(const QString &game, const GameRecord &record, double number = 3)
    {
        ASSERT_EQ(ctx->custom.SaveGame(game, record), QString());
        window->startGame(game, GameNumber::fromNumber(number));
        ASSERT_EQ(ctx->data.CurGName(), game);
    }
    void resizeWindow(const QSize &size)
    {
        window->resize(size);
        QApplication::processEvents();
        view->ArrangeTable();
    }
    QRectF onScreen(double left, double top, double right, double bottom) const
    {
        return {view->toWidget(left, top), view->toWidget(right, bottom)};
    }
    QRectF cardOnScreen(const cCard &c) const
    {
        return onScreen(c.Left, c.Top, c.Left + kCardWidth, c.Top + kCardHeight);
    }
    // A pile's place: its base and every card lying on it.
    QRectF pileOnScreen(int cell, int pile) const
    {
        const double x = ctx->games.GetCordX(cell, pile, 0), y = ctx->games.PileBaseY(cell, pile);
        QRectF rect = onScreen(x, y, x + kCardWidth, y + kCardHeight);
        for (int pos = 0; pos <= ctx->table.GetTop(cell, pile); ++pos)
            rect |= cardOnScreen(ctx->cards[size_t(ctx->table.GetPicID(cell, pile, pos))]);
        return rect;
    }
    // Every pile, cell and reserve of the game on the table.
    std::vector<Shown> piles() const
    {
        std::vector<Shown> list;
        const auto add = [&](int cell, const char *name) {
            for (int p = 0; p < ctx->games.Piles(cell); ++p)
                list.push_back({QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(p), pileOnScreen(cell, p)});
        };
        add(kTableau, "pile");
        add(kFoundation, "foundation");
        add(kFreeCell, "cell");
        add(kReserve, "reserve");
        add(kStock, "stock");
        add(kWaste, "waste");
        return list;
    }
    void expectPilesInsideAndApart()
    {
        const QRectF widget = QRectF(view->rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
        const auto list = piles();
        for (size_t i = 0; i < list.size(); ++i) {
            SCOPED_TRACE(list[i].what.toStdString());
            EXPECT_TRUE(widget.contains(list[i].rect));
            for (size_t j = i + 1; j < list.size(); ++j)
                EXPECT_FALSE(list[i].rect.intersects(list[j].rect)) << "overlaps " << list[j].what.toStdString();
        }
        // Cards whole: every card on the table lies inside the window.
        for (const cCard &c : ctx->cards)
            if (c.Visible)
                EXPECT_TRUE(widget.contains(cardOnScreen(c))) << "card " << c.FacePicture();
    }
    void keepPicture(const QString &file)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        EXPECT_TRUE(window->grab().toImage().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(file)));
    }
    // The waste's top `n` cards, bottom first.
    std::vector<const cCard *> wasteTop(int n) const
    {
        std::vector<const cCard *> cards;
        const int top = ctx->table.GetTop(kWaste, 0);
        for (int pos = std::max(0, top - n + 1); pos <= top; ++pos)
            cards.push_back(&ctx->cards[size_t(ctx->table.GetPicID(kWaste, 0, pos))]);
        return cards;
    }
    long long soundsPlayed() const { return std::accumulate(sound.played.begin(), sound.played.end(), 0LL); }
    // Clicks the stock until it is empty.
    void passStock()
    {
        for (int guard = 0; ctx->table.GetTop(kStock, 0) >= 0 && guard < kDeckSize; ++guard)
            clickStock();
        ASSERT_EQ(ctx->table.GetTop(kStock, 0), -1);
    }
    // The picture the table shows for the empty stock's mark.
    int shownStockMark()
    {
        view->grab();
        return view->PicStock.pictureId;
    }
};

GameRecord withRedeals(GameRecord r, int16_t redeals)
{
    r.redeals = redeals;
    return r;
}
} // namespace

TEST_F(ClassicLayoutTest, EveryClassicFitsWholeAndApartAtEveryWindowSize)
{
    const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
    // The classics, and the widest table a designed game can have: ten
    // piles beside a reserve, a fanned waste, eight cells.
    GameRecord widest = *classicRecord(QStringLiteral("Canfield"));
    widest.hPiles = RecordLimits::kMaxPiles;
    widest.cells = RecordLimits::kMaxCells;
    widest.reserveCards = 8;
    widest.rowCards = 2;
    std::vector<ClassicGame> games(classicGames().begin(), classicGames().end());
    games.push_back({"Widest", widest});
    for (const ClassicGame &classic : games) {
        const QString name = QString::fromLatin1(classic.name);
        startDesigned(name, classic.record);
        for (const QSize &size : {QSize(800, 600), QSize(1920, 1080), smallest}) {
            resizeWindow(size);
            SCOPED_TRACE(testing::Message() << classic.name << " at " << window->width() << " x "
                                            << window->height() << ", zoom " << view->zoom());
            expectPilesInsideAndApart();
            // As large as the window allows: the table fills it along one
            // side, up to the zoom's rounding to whole pixels across a card.
            const TableBox box = tableBox(ctx->games, kMinOpenFan);
            const QRectF table = onScreen(box.left, box.top, box.right, box.bottom);
            const double pixelsAcross = ui::kCardWidthPx * view->zoom() * view->devicePixelRatioF();
            if (view->zoom() * (1.0 + 1.0 / pixelsAcross) < kMaxZoom) {
                const double filled = std::max(table.width() / view->width(), table.height() / view->height());
                EXPECT_GT(filled, 1.0 - 1.0 / pixelsAcross - 0.002);
            }
            // Centred, cells and reserve included.
            EXPECT_NEAR(table.left(), view->width() - table.right(), 1.0);
            EXPECT_NEAR(table.top(), view->height() - table.bottom(), 1.0);
            keepPicture(QStringLiteral("classic-%1-%2")
                            .arg(name.toLower().remove(QLatin1Char('\'')).replace(QLatin1Char(' '), QLatin1Char('-')))
                            .arg(size == smallest ? QStringLiteral("smallest")
                                                  : QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        }
    }
}

TEST_F(ClassicLayoutTest, EmptyCellsAndTheReserveShowTheirMarks)
{
    startClassic(QStringLiteral("FreeCell"));
    view->grab();
    for (int c = 0; c < kMaxCells; ++c)
        EXPECT_EQ(view->cellMarks[size_t(c)].pictureId, c < 4 ? ui::kMarkCell : -1) << "cell " << c;
    // A card in a cell covers its mark.
    const int16_t card = ctx->table.GetTopPicID(kTableau, 0);
    dragCard(card, kFreeCell, 1, 0);
    ASSERT_EQ(ctx->table.GetTopPicID(kFreeCell, 1), card);
    const QPointF middle = onSlot(kFreeCell, 1, 0) + QPointF(25, 30);
    EXPECT_EQ(view->cardAt(middle), card);

    startClassic(QStringLiteral("Canfield"));
    view->grab();
    EXPECT_EQ(view->PicRes[0].pictureId, ui::kMarkReserve);
    for (int c = 0; c < kMaxCells; ++c)
        EXPECT_FALSE(ctx->markers.Cells[c].Visible) << "cell " << c;
    // The marks go with the game.
    item("mFile", 5)->trigger();
    EXPECT_FALSE(ctx->markers.Res[0].Visible);
}

TEST_F(ClassicLayoutTest, ATurnOfThreeFansTheWasteAndOnlyItsTopIsPickedUp)
{
    resizeWindow(QSize(800, 600));
    for (const char *game : {"Klondike by Threes", "Canfield"}) {
        SCOPED_TRACE(game);
        startClassic(QString::fromLatin1(game));
        clickStock();
        clickStock();
        const auto fan = wasteTop(3);
        ASSERT_EQ(fan.size(), 3u);
        // Fanned to the right, level, the top one rightmost.
        for (size_t i = 1; i < fan.size(); ++i) {
            EXPECT_EQ(fan[i]->Left - fan[i - 1]->Left, kWasteFan);
            EXPECT_EQ(fan[i]->Top, fan[0]->Top);
            EXPECT_GT(fan[i]->Z, fan[i - 1]->Z);
        }
        // The cards under the fan lie stacked beneath it, as on any waste.
        const cCard &under = ctx->cards[size_t(ctx->table.GetPicID(kWaste, 0, ctx->table.GetTop(kWaste, 0) - 3))];
        EXPECT_EQ(under.Left, ctx->games.GetCordX(kWaste, 0, under.Pos));
        EXPECT_EQ(under.Top, ctx->games.GetCordY(kWaste, 0, under.Pos));
        EXPECT_LT(under.Z, fan[0]->Z);
        // The fan stays on the table, clear of the foundations.
        const QRectF fanRect = cardOnScreen(*fan[0]) | cardOnScreen(*fan[2]);
        EXPECT_TRUE(QRectF(view->rect()).contains(fanRect));
        for (int g = 0; g < kFoundationPiles; ++g)
            EXPECT_FALSE(fanRect.intersects(pileOnScreen(kFoundation, g))) << "foundation " << g;
        expectPilesInsideAndApart();
        keepPicture(QStringLiteral("fan-%1").arg(QString::fromLatin1(game).toLower().replace(QLatin1Char(' '), QLatin1Char('-'))));

        // The second card shows its corner, but only the top one is taken.
        const int16_t second = ctx->table.GetPicID(kWaste, 0, fan[1]->Pos);
        const QPointF onSecond = view->toWidget(fan[1]->Left + kWasteFan / 2, fan[1]->Top + kCardHeight / 2);
        ASSERT_EQ(view->cardAt(onSecond), second);
        mouse(QEvent::MouseButtonPress, onSecond);
        EXPECT_FALSE(ctx->input.Dragging);
        mouse(QEvent::MouseButtonRelease, onSecond);
        const int16_t top = ctx->table.GetTopPicID(kWaste, 0);
        mouse(QEvent::MouseButtonPress, onCard(top));
        EXPECT_TRUE(ctx->input.Dragging);
        mouse(QEvent::MouseButtonRelease, onCard(top));
        EXPECT_EQ(tableProblems(*ctx), QString());
    }
}

// After a turn of three the table looks exactly as a new window showing the
// same game, restored from its log, draws it.
TEST_F(ClassicLayoutTest, AFannedWasteLooksAsIfDrawnAfresh)
{
    resizeWindow(QSize(900, 650));
    startClassic(QStringLiteral("Klondike by Threes"), 11);
    for (int i = 0; i < 5; ++i)
        clickStock();
    ASSERT_EQ(ctx->table.GetTop(kWaste, 0), 14);
    const QImage shown = view->grab().toImage();

    auto next = reopen();
    ui::frmMain again(*next, *art);
    again.table()->setFrameInterval(0);
    again.resize(window->size());
    again.show();
    QString why;
    ASSERT_TRUE(restoreGame(*next, captureGame(*ctx), &why)) << why.toStdString();
    QApplication::processEvents();
    ASSERT_EQ(again.table()->size(), view->size());
    again.table()->ArrangeTable();
    EXPECT_TRUE(shown == again.table()->grab().toImage());
}

TEST_F(ClassicLayoutTest, DrawOneLooksAsBefore)
{
    for (const char *game : {"Klondike", "Thoughtful"}) {
        if (QLatin1String(game) == QLatin1String("Klondike"))
            window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(5));
        else
            startClassic(QString::fromLatin1(game), 5);
        for (int i = 0; i < 5; ++i)
            clickStock();
        // Every waste card on its own slot: the game's spacing, no fan.
        for (int pos = 0; pos <= ctx->table.GetTop(kWaste, 0); ++pos) {
            const cCard &c = ctx->cards[size_t(ctx->table.GetPicID(kWaste, 0, pos))];
            EXPECT_EQ(c.Left, ctx->games.GetCordX(kWaste, 0, pos)) << game << " waste " << pos;
            EXPECT_EQ(c.Top, ctx->games.GetCordY(kWaste, 0, pos)) << game << " waste " << pos;
        }
    }
}

TEST_F(ClassicLayoutTest, NoTurnBackLeftShowsItsMarkAndAClickDoesNothing)
{
    // One turn-back: the mark turns back until it has been used.
    startDesigned(QStringLiteral("Threes Once"), withRedeals(*classicRecord(QStringLiteral("Klondike by Threes")), 1));
    passStock();
    EXPECT_EQ(shownStockMark(), ui::kMarkRecycle);
    keepPicture(QStringLiteral("stock-turn-back"));
    clickStock(); // the one turn-back
    ASSERT_GE(ctx->table.GetTop(kStock, 0), 0);
    passStock();
    // Said at once, not at the next tick of the counters.
    EXPECT_EQ(ctx->markers.Stock.Picture, kMarkerEmptyStock);
    EXPECT_EQ(shownStockMark(), ui::kMarkStockDone);
    keepPicture(QStringLiteral("stock-no-turn-back"));

    const QImage before = view->grab().toImage();
    const int pos = ctx->trans->TransPos, top = ctx->trans->TransTop;
    const int waste = ctx->table.GetTop(kWaste, 0);
    const long long sounds = soundsPlayed();
    clickStock();
    EXPECT_EQ(ctx->trans->TransPos, pos);
    EXPECT_EQ(ctx->trans->TransTop, top);
    EXPECT_EQ(ctx->table.GetTop(kWaste, 0), waste);
    EXPECT_EQ(soundsPlayed(), sounds);
    EXPECT_TRUE(before == view->grab().toImage());
    UpdateCounters(*ctx); // the counters' tick agrees
    EXPECT_EQ(ctx->markers.Stock.Picture, kMarkerEmptyStock);

    // Undone back over the turn-back, the mark turns back again.
    while (ctx->trans->TransPos > 0 && ctx->table.GetTop(kStock, 0) == -1)
        ASSERT_TRUE(CmdUndo(*ctx));
    while (ctx->trans->TransPos > 0 && ctx->table.GetTop(kStock, 0) >= 0)
        ASSERT_TRUE(CmdUndo(*ctx));
    ASSERT_EQ(ctx->table.GetTop(kStock, 0), -1);
    EXPECT_EQ(shownStockMark(), ui::kMarkRecycle);

    // A game that never turns back says so from the start.
    startDesigned(QStringLiteral("Threes Never"), withRedeals(*classicRecord(QStringLiteral("Klondike by Threes")), 0));
    passStock();
    EXPECT_EQ(shownStockMark(), ui::kMarkStockDone);
    const int logged = ctx->trans->TransTop;
    clickStock();
    EXPECT_EQ(ctx->trans->TransTop, logged);
    // Unlimited turn-backs: the standard mark, as ever.
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(2));
    passStock();
    EXPECT_EQ(shownStockMark(), ui::kMarkRecycle);
}
