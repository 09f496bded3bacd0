// The classics played in the main window as a player plays them: cards to
// and from the free cells by mouse and by keys, a run too long for the
// cells refused with its reason in the status bar, hints that outline cells
// and the reserve, and every classic won by mouse along the solver's line.
#include "TableFixture.h"

#include "rules/ClassicGames.h"
#include "session/MoveDriver.h"
#include "session/cTrans.h"
#include "ui/windows/HintText.h"
#include "ui/windows/SolverAdvice.h"

#include <QDir>
#include <QKeyEvent>
#include <QStatusBar>

using namespace cardova;
using namespace cardova::test;

namespace {
using Spot = KeyboardPlay::Spot;

const char *const kCellGames[] = {"FreeCell", "Baker's Game", "Eight Off", "Seahaven Towers"};

class ClassicPlayWindowTest : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        ctx->animate = false;
    }
    void startClassic(const char *name, double number)
    {
        const QString game = QString::fromLatin1(name);
        ASSERT_EQ(ctx->custom.SaveGame(game, *classicRecord(game)), QString());
        window->startGame(game, GameNumber::fromNumber(number));
        ASSERT_EQ(ctx->data.CurGName(), game);
    }
    Rules rules() const { return currentRules(*ctx); }
    Position position() const { return currentPosition(*ctx, rules()); }
    int firstFreeCell() const
    {
        for (int c = 0; c < ctx->games.Piles(kFreeCell); ++c)
            if (ctx->table.GetTop(kFreeCell, c) < 0)
                return c;
        return -1;
    }
    void key(int k)
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(view, &press);
    }
    // Walks right until the cursor stands on the pile (at most one round).
    void walkTo(Spot spot, int pile)
    {
        for (int i = 0; i < 40 && !(view->keyboard().cursor().spot == spot && view->keyboard().cursor().pile == pile); ++i)
            key(Qt::Key_Right);
        ASSERT_EQ(view->keyboard().cursor().spot, spot);
        ASSERT_EQ(view->keyboard().cursor().pile, pile);
    }
    // Drags a card by the strip of it that shows above the cards on it and
    // lets it go with its corner on the slot.
    void dragTo(int16_t id, int cell, int pile, int pos)
    {
        const cCard &c = ctx->cards[size_t(id)];
        const QPointF corner = view->toWidget(c.Left, c.Top);
        const QPointF grip(view->zoom() * kCardWidth / ui::kTwipsPerPixel / 2, 3);
        const QPointF end = view->toWidget(view->layout().slotX(int16_t(cell), int16_t(pile), int16_t(pos)),
                                           view->layout().slotY(int16_t(cell), int16_t(pile), int16_t(pos))) +
                            grip;
        const QPointF start = corner + grip;
        mouse(QEvent::MouseButtonPress, start);
        mouse(QEvent::MouseMove, (start + end) / 2);
        mouse(QEvent::MouseMove, end);
        mouse(QEvent::MouseButtonRelease, end);
    }
    // A move of the driver's kind made with the mouse.
    void playByMouse(const Move &m)
    {
        if (m.kind != MoveKind::Card) {
            clickStock(); // the stock's top, or the marker once it is empty
            return;
        }
        const int16_t id = sourceCard(*ctx, m.source);
        ASSERT_GE(id, 0);
        const int16_t cell = cellOfTarget(m.target);
        dragTo(id, cell, m.target.pile, ctx->table.GetTop(cell, m.target.pile) + 1);
    }
    // The mouse puts pile 0's top into the first free cell, the keys the
    // next piles' tops into the next ones (each one move), until a cell's
    // card has somewhere to go: that move, or none once the cells are full.
    std::optional<Move> fillCellsUntilOneCanBeLeft()
    {
        int cell = firstFreeCell();
        const int16_t first = ctx->table.GetTopPicID(kTableau, 0);
        const int moves = ctx->trans->TransPos;
        dragTo(first, kFreeCell, cell, 0);
        EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, int16_t(cell)), first);
        EXPECT_EQ(ctx->trans->TransPos, moves + 1);
        EXPECT_EQ(tableProblems(*ctx), QString());
        MoveList list;
        for (int pile = 1; pile < ctx->games.Piles(kTableau) && firstFreeCell() >= 0; ++pile) {
            cell = firstFreeCell();
            const int16_t card = ctx->table.GetTopPicID(kTableau, int16_t(pile));
            walkTo(Spot::Tableau, pile);
            key(Qt::Key_Space);
            walkTo(Spot::Cell, cell);
            key(Qt::Key_Return);
            EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, int16_t(cell)), card);
            EXPECT_EQ(ctx->trans->TransPos, moves + 1 + pile);
            legalMoves(position(), rules(), list);
            for (const Move &m : list)
                if (m.kind == MoveKind::Card && m.source.kind == SourceKind::Cell)
                    return m;
        }
        return std::nullopt;
    }
    QString status() const { return window->statusBar()->currentMessage(); }
    // The widget rectangle of a card lying at table point (x, y).
    QRectF cardRect(double x, double y) const { return {view->toWidget(x, y), view->toWidget(x + kCardWidth, y + kCardHeight)}; }
    QRectF slotRect(int cell, int pile) const
    {
        const int16_t top = ctx->table.GetTopPicID(int16_t(cell), int16_t(pile));
        if (top >= 0)
            return cardRect(ctx->cards[size_t(top)].Left, ctx->cards[size_t(top)].Top);
        return cardRect(ctx->games.GetCordX(cell, pile, 0), ctx->games.PileBaseY(cell, pile));
    }
    // Whether the hint's green line runs along the top edge of the rectangle.
    bool outlinedGreen(const QImage &image, const QRectF &r) const
    {
        const int x = int(r.center().x());
        for (int y = int(r.top()) - 7; y <= int(r.top()); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 180 && c.red() < 150 && c.blue() < 170)
                return true;
        }
        return false;
    }
    void keepPicture(const QString &file)
    {
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        EXPECT_TRUE(window->grab().save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(file)));
    }
    // Lays a table where every cell is taken and a two-card run could go onto
    // pile 1 but for the cells: the run on pile 0, one card on every other pile.
    void layBlockedRun()
    {
        const bool alternate = ctx->games.Order(kTableau) == int32_t(OrderCode::DownAlternateColor);
        Layout l;
        l.tableau = {alternate ? QStringLiteral("8H 7S") : QStringLiteral("8S 7S"), QStringLiteral("9S")};
        QStringList spare;
        for (const char *rank : {"K", "Q", "J", "T", "6", "5", "4", "3"})
            for (const char *suit : {"H", "D", "C"})
                spare << QLatin1String(rank) + QLatin1String(suit);
        for (int t = 2; t < ctx->games.Piles(kTableau); ++t)
            l.tableau.push_back(spare.takeFirst());
        for (int c = 0; c < ctx->games.Piles(kFreeCell); ++c)
            l.cells.push_back(spare.takeFirst());
        layTable(l);
    }
    // Lays the cards on the table; the ones laid nowhere wait out of sight.
    void layTable(const Layout &l)
    {
        lay(*ctx, l);
        for (cCard &c : ctx->cards)
            if (c.Cell == kReserve)
                c.Visible = false;
        ctx->surface().tableChanged();
    }
};
} // namespace

TEST_F(ClassicPlayWindowTest, CellsTakeCardsByMouseAndKeysAndGiveThemBackByMouse)
{
    for (const char *name : kCellGames) {
        SCOPED_TRACE(name);
        std::optional<Move> fromCell;
        // The first deal where a card put in a cell has somewhere to go.
        for (double number = 1; number <= 8 && !fromCell; ++number) {
            startClassic(name, number);
            fromCell = fillCellsUntilOneCanBeLeft();
            if (HasFatalFailure())
                return;
        }
        ASSERT_TRUE(fromCell);
        keepPicture(QStringLiteral("classic-cells-%1").arg(QString::fromLatin1(name).left(4)));

        // The mouse again: out of the cell, one move.
        const int16_t card = sourceCard(*ctx, fromCell->source);
        const int moves = ctx->trans->TransPos;
        playByMouse(*fromCell);
        EXPECT_EQ(ctx->table.GetTop(kFreeCell, fromCell->source.pile), -1);
        EXPECT_EQ(ctx->table.GetTopPicID(cellOfTarget(fromCell->target), fromCell->target.pile), card);
        EXPECT_EQ(ctx->trans->TransPos, moves + 1);
        EXPECT_EQ(tableProblems(*ctx), QString());
    }
}

TEST_F(ClassicPlayWindowTest, TheCursorWalksOnlyThePilesAGameHasInTheOrderOfTheTable)
{
    // The areas Right passes in one round from the first pile of the first.
    const auto round = [this](Spot first) {
        walkTo(first, 0);
        std::vector<Spot> spots;
        do {
            const Spot spot = view->keyboard().cursor().spot;
            if (spots.empty() || spots.back() != spot)
                spots.push_back(spot);
            key(Qt::Key_Right);
        } while (!(view->keyboard().cursor().spot == first && view->keyboard().cursor().pile == 0) && spots.size() < 40);
        return spots;
    };
    // The top row from the left, then the tableau; no stock where none is.
    startClassic("FreeCell", 1);
    EXPECT_EQ(round(Spot::Cell), (std::vector<Spot>{Spot::Cell, Spot::Foundation, Spot::Tableau}));
    startClassic("Canfield", 1);
    EXPECT_EQ(round(Spot::Stock),
              (std::vector<Spot>{Spot::Stock, Spot::Waste, Spot::Foundation, Spot::Reserve, Spot::Tableau}));
    window->startGame(QStringLiteral("Klondike"), GameNumber::fromNumber(1));
    EXPECT_EQ(round(Spot::Stock), (std::vector<Spot>{Spot::Stock, Spot::Waste, Spot::Foundation, Spot::Tableau}));
}

TEST_F(ClassicPlayWindowTest, ARunTooLongForTheCellsIsRefusedWithItsReasonInTheStatusBar)
{
    for (const char *name : kCellGames) {
        SCOPED_TRACE(name);
        startClassic(name, 1);
        layBlockedRun();
        const QStringList before = tableauText(*ctx);
        const int16_t eight = ctx->table.GetPicID(kTableau, 0, 0);
        // Onto a pile that does not take it: no reason to give.
        window->statusBar()->clearMessage();
        dragTo(eight, kTableau, 2, 1);
        EXPECT_EQ(status(), QString());
        dragTo(eight, kTableau, 1, 1);
        EXPECT_EQ(status(), QStringLiteral("Only 1 card can move now"));
        EXPECT_TRUE(window->statusBar()->isVisible());
        EXPECT_EQ(tableauText(*ctx), before);
        EXPECT_EQ(tableProblems(*ctx), QString());
        if (QLatin1String(name) == QLatin1String("FreeCell")) {
            QCoreApplication::processEvents();
            keepPicture(QStringLiteral("classic-refused-run"));
        }

        // The keys: the run held and dropped on the same pile.
        window->statusBar()->clearMessage();
        walkTo(Spot::Tableau, 0);
        key(Qt::Key_Up);
        key(Qt::Key_Space);
        ASSERT_EQ(view->keyboard().held(), (Source{SourceKind::Tableau, 0, 0}));
        walkTo(Spot::Tableau, 1);
        key(Qt::Key_Return);
        EXPECT_EQ(status(), QStringLiteral("Only 1 card can move now"));
        EXPECT_EQ(tableauText(*ctx), before);
    }
}

TEST_F(ClassicPlayWindowTest, AHintToOrFromACellOrTheReserveOutlinesItAndNamesIt)
{
    startClassic("FreeCell", 1);
    const int16_t top = ctx->table.GetTopPicID(kTableau, 0);
    const Move toCell = Move::card({SourceKind::Tableau, 0, uint8_t(ctx->table.GetTop(kTableau, 0))}, {TargetKind::Cell, 2});
    QImage image;
    for (const QSize size : {QSize(800, 600), QSize(1920, 1080)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        view->showHint(toCell);
        image = view->grab().toImage();
        EXPECT_TRUE(outlinedGreen(image, cardRect(ctx->cards[size_t(top)].Left, ctx->cards[size_t(top)].Top)));
        EXPECT_TRUE(outlinedGreen(image, slotRect(kFreeCell, 2)));
        EXPECT_FALSE(outlinedGreen(image, slotRect(kFreeCell, 1)));
        EXPECT_FALSE(outlinedGreen(image, slotRect(kFoundation, 2)));
        keepPicture(QStringLiteral("classic-hint-cell-%1").arg(size.width()));
    }
    EXPECT_TRUE(ui::moveText(position(), toCell).endsWith(QStringLiteral(" to cell 3")));

    ASSERT_TRUE(playMove(*ctx, toCell));
    const Move fromCell = Move::card({SourceKind::Cell, 2, 0}, {TargetKind::Tableau, 5});
    view->showHint(fromCell);
    image = view->grab().toImage();
    EXPECT_TRUE(outlinedGreen(image, slotRect(kFreeCell, 2)));
    EXPECT_TRUE(outlinedGreen(image, slotRect(kTableau, 5)));
    EXPECT_TRUE(ui::moveText(position(), fromCell).contains(QStringLiteral(" from cell 3 to pile 6")));

    startClassic("Canfield", 1);
    const Move fromReserve = Move::card({SourceKind::Reserve, 0, 0}, {TargetKind::Tableau, 1});
    view->showHint(fromReserve);
    image = view->grab().toImage();
    EXPECT_TRUE(outlinedGreen(image, slotRect(kReserve, 0)));
    EXPECT_TRUE(outlinedGreen(image, slotRect(kTableau, 1)));
    EXPECT_TRUE(ui::moveText(position(), fromReserve).contains(QStringLiteral(" from the reserve to pile 2")));
}

TEST_F(ClassicPlayWindowTest, ACellsCardIsOutlinedByTheCursorAndGoesHomeWithF)
{
    startClassic("FreeCell", 1);
    layTable({{"KS", "KH", "QS", "QH", "JS", "JH", "TS", "TH"}, "", "", {}, {"9S", "AH", "", ""}});
    const int16_t ace = ctx->table.GetTopPicID(kFreeCell, 1);
    // A double click is two presses, as on any card: the ace stays put.
    mouse(QEvent::MouseButtonPress, onCard(ace));
    mouse(QEvent::MouseButtonRelease, onCard(ace));
    mouse(QEvent::MouseButtonDblClick, onCard(ace));
    mouse(QEvent::MouseButtonRelease, onCard(ace));
    EXPECT_EQ(ctx->table.GetTopPicID(kFreeCell, 1), ace);
    EXPECT_EQ(ctx->trans->TransPos, 0);

    walkTo(Spot::Cell, 1);
    const QImage image = view->grab().toImage();
    const QRectF cell = slotRect(kFreeCell, 1);
    const QColor line = image.pixelColor(int(cell.center().x()), int(cell.top()) - 3);
    EXPECT_GT(line.red(), 200);
    EXPECT_GT(line.green(), 170);
    EXPECT_LT(line.blue(), 90); // the cursor's yellow
    keepPicture(QStringLiteral("classic-cursor-cell"));
    key(Qt::Key_F);
    EXPECT_EQ(ctx->table.GetTop(kFreeCell, 1), -1);
    EXPECT_EQ(ctx->table.GetTopPicID(kFoundation, 0), ace);
    EXPECT_EQ(ctx->trans->TransPos, 1);
}

// Deals each classic wins in a few thousand positions with a short line.
struct WinningDealOf {
    const char *name;
    double number;
};
const WinningDealOf kWinningDeals[] = {
    {"Klondike by Threes", 7}, {"Thoughtful", 1},      {"Canfield", 3},           {"FreeCell", 4},
    {"Baker's Game", 4},       {"Eight Off", 3},       {"Seahaven Towers", 4},    {"Yukon", 8},
    {"Russian Solitaire", 1},  {"Beleaguered Castle", 57}, {"Streets and Alleys", 124},
};

TEST_F(ClassicPlayWindowTest, EveryClassicIsHintedAndWonByMouseAlongTheSolversLine)
{
    ASSERT_EQ(std::size(kWinningDeals), classicGames().size());
    ui::FinishWinHandler *finish = closeFinishAtOnce();
    ctx->data.SetAutoplay(1);
    ui::SolverAdvice &advice = window->solver();
    int won = 0;
    for (const WinningDealOf &deal : kWinningDeals) {
        SCOPED_TRACE(deal.name);
        Budget budget = Budget::ofNodes(300'000);
        budget.tableBytes = std::size_t(8) << 20;
        advice.service().setBudget(budget);
        startClassic(deal.name, deal.number);
        QCoreApplication::processEvents();
        advice.service().waitUntilIdle();
        QCoreApplication::processEvents();
        const auto answer = advice.service().answer();
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->verdict, Verdict::Winnable);
        const std::vector<Move> line = answer->line;

        // The hint is the line's first move, outlined on the table.
        item("mGame", 11)->trigger();
        if (line.front().kind == MoveKind::Card) {
            ASSERT_TRUE(view->hint());
            EXPECT_EQ(*view->hint(), line.front());
            const QImage image = view->grab().toImage();
            EXPECT_TRUE(outlinedGreen(image, slotRect(cellOfTarget(line.front().target), line.front().target.pile)));
        }
        // The searches the moves below set off end at once.
        advice.service().setBudget(Budget::ofNodes(1));
        for (const Move &m : line) {
            ASSERT_TRUE(ctx->GameRunning()) << "won before the line's end";
            const int before = ctx->trans->TransPos;
            playByMouse(m);
            if (HasFatalFailure())
                return;
            ASSERT_TRUE(ctx->trans->TransPos != before || !ctx->GameRunning()) << "a move of the line did not go through";
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(finish->opened(), ++won);
    }
    advice.service().waitUntilIdle();
    ctx->scores.OpenAllScore();
    int recorded = 0;
    for (int i = 1; i <= ctx->scores.ScoreTop(); ++i)
        recorded += ctx->scores.GetScoreRec(i).Won == 1 ? 1 : 0;
    ctx->scores.CloseScore();
    EXPECT_EQ(recorded, int(std::size(kWinningDeals)));
}
