#include "rules/TableFit.h"

#include <algorithm>
#include <limits>

namespace cardova {

namespace {
// Ranks in a suit: the longest run an order without wrapping can build.
constexpr int kRunOfRanks = 13;
// Building orders from "Any Card" on let a pile go up and down, so a run
// is never cut short by running out of ranks.
constexpr int32_t kFirstEndlessOrder = 6;

bool runsAreEndless(const cGames &games)
{
    return games.Order(kTableau) >= kFirstEndlessOrder || games.AK(kTableau) != 0;
}

void include(TableBox &box, int x, int y)
{
    box.left = std::min(box.left, x);
    box.top = std::min(box.top, y);
    box.right = std::max(box.right, x + kCardWidth);
    box.bottom = std::max(box.bottom, y + kCardHeight);
}

// The stock and waste draw their deeper cards up and to the left.
void includeStack(TableBox &box, const cGames &games, int cell)
{
    const int deepest = std::max(games.TotalCards() - 1, 0);
    for (int pile = 0; pile < games.Piles(cell); ++pile) {
        include(box, games.GetCordX(cell, pile, 0), games.PileBaseY(cell, pile));
        include(box, games.GetCordX(cell, pile, deepest), games.GetCordY(cell, pile, deepest));
    }
}

void includePiles(TableBox &box, const cGames &games, int cell)
{
    for (int pile = 0; pile < games.Piles(cell); ++pile)
        include(box, games.GetCordX(cell, pile, 0), games.PileBaseY(cell, pile));
}

int longestPileBottom(const cGames &games, int openFan)
{
    const LongestPile longest = longestTableauPile(games);
    int bottom = 0;
    for (int pile = 0; pile < games.Piles(kTableau); ++pile) {
        const int top = games.PileBaseY(kTableau, pile) + longest.closed * kClosedFan;
        bottom = std::max(bottom, top + std::max(longest.open - 1, 0) * openFan + kCardHeight);
    }
    return bottom;
}

// The largest zoom at which `box` fits, within the zoom range.
double zoomFor(const TableBox &box, double width, double height)
{
    if (box.width() <= 0 || box.height() <= 0 || width <= 0 || height <= 0)
        return 1.0;
    return std::clamp(std::min(width / box.width(), height / box.height()), kMinZoom, kMaxZoom);
}
} // namespace

LongestPile longestTableauPile(const cGames &games)
{
    const int piles = games.Piles(kTableau);
    const int total = games.TotalCards();
    if (piles <= 0 || total <= 0)
        return {};
    // The last pile is dealt one card per pile; all but its top card lie
    // face down when the game deals closed.
    const int under = std::min(piles - 1, total - 1);
    const bool dealtClosed = games.CardsOpen() > 0;
    LongestPile longest;
    longest.closed = dealtClosed ? under : 0;
    const int run = runsAreEndless(games) ? total : kRunOfRanks;
    longest.open = std::min((dealtClosed ? 0 : under) + run, total - longest.closed);
    return longest;
}

TableBox tableBox(const cGames &games, int openFan)
{
    constexpr int kFar = std::numeric_limits<int>::max();
    TableBox box{kFar, kFar, -kFar, -kFar};
    includePiles(box, games, kTableau);
    includePiles(box, games, kFoundation);
    includePiles(box, games, kReserve);
    includeStack(box, games, kStock);
    includeStack(box, games, kWaste);
    if (box.left == kFar)
        return {};
    box.bottom = std::max(box.bottom, longestPileBottom(games, openFan));
    return {box.left - kTableMargin, box.top - kTableMargin, box.right + kTableMargin,
            box.bottom + kTableMargin};
}

namespace {
// The box the zoom is chosen for: the tallest pile squeezed.
TableBox fittedBox(const cGames &games)
{
    return tableBox(games, std::min<int>(games.area(kTableau).PosWidth, kMinOpenFan));
}
} // namespace

TableFit fitTable(const cGames &games, double width, double height)
{
    return centreTable(games, zoomFor(fittedBox(games), width, height), width, height);
}

TableFit centreTable(const cGames &games, double zoom, double width, double height)
{
    const TableBox box = fittedBox(games);
    TableFit fit;
    fit.zoom = zoom > 0 ? zoom : 1.0;
    fit.originX = (width / fit.zoom - box.width()) / 2.0 - box.left;
    fit.originY = (height / fit.zoom - box.height()) / 2.0 - box.top;
    // The piles may grow down to the window's edge, less the margin.
    fit.tableauBottom = std::max(int(height / fit.zoom - fit.originY) - kTableMargin, 1);
    return fit;
}

} // namespace cardova
