#include "rules/ClassicGames.h"

#include <array>

namespace cardova {

namespace {
// Codes of the eight classic values used below.
constexpr int32_t kUpSameSuit = int32_t(OrderCode::UpSameSuit);
constexpr int32_t kDownSameSuit = int32_t(OrderCode::DownSameSuit);
constexpr int32_t kDownAlternate = int32_t(OrderCode::DownAlternateColor);
constexpr int32_t kDownRegardless = int32_t(OrderCode::DownRegardless);
constexpr int16_t kKingOnly = 12;

GameRecord eight(int32_t gOrder, int32_t gBase, int16_t gCards, int32_t hOrder, int16_t hSpace, int16_t hPiles,
                 int16_t hAk, int16_t hMulti)
{
    return GameRecord{gOrder, gBase, gCards, hOrder, hSpace, hPiles, hAk, hMulti};
}

// Klondike: a King fills a space, runs move, one card turned at a time.
GameRecord klondike() { return eight(kUpSameSuit, 0, 0, kDownAlternate, kKingOnly, 7, 0, 1); }

GameRecord withDraw(GameRecord r, int16_t draw)
{
    r.draw = draw;
    return r;
}

GameRecord withOpenDeal(GameRecord r)
{
    r.deal = DealPattern::StaircaseOpen;
    return r;
}

// Every card dealt face up in rows, no stock.
GameRecord inRows(GameRecord r, int16_t rowCards = 0)
{
    r.stock = false;
    r.deal = DealPattern::Rows;
    r.rowCards = rowCards;
    return r;
}

GameRecord withCells(GameRecord r, int16_t cells, int16_t dealt = 0)
{
    r.cells = cells;
    r.cellCards = dealt;
    r.moves = TableauMoves::FreeCellRuns;
    return r;
}

GameRecord yukonStyle(int32_t hOrder)
{
    GameRecord r = eight(kUpSameSuit, 0, 0, hOrder, kKingOnly, 7, 0, 1);
    r.stock = false;
    r.deal = DealPattern::Yukon;
    r.moves = TableauMoves::AnyFaceUp;
    return r;
}

// Canfield: thirteen cards in the reserve, which fills every space while it
// lasts; the first card dealt home sets the base; the stock turns three at
// a time without limit; a tableau pile moves as a whole or by its top card.
GameRecord canfield()
{
    GameRecord r = eight(kUpSameSuit, kRandomBase, 0, kDownAlternate, kAnyRank, 4, 1, 1);
    r.draw = 3;
    r.deal = DealPattern::Rows;
    r.rowCards = 1;
    r.reserveCards = 13;
    r.reserveFills = true;
    r.moves = TableauMoves::WholePiles;
    r.baseFromDeal = true;
    return r;
}

const std::array<ClassicGame, 11> kClassics = {{
    {"Klondike by Threes", withDraw(klondike(), 3)},
    {"Thoughtful", withOpenDeal(klondike())},
    {"Canfield", canfield()},
    {"FreeCell", withCells(inRows(eight(kUpSameSuit, 0, 0, kDownAlternate, kAnyRank, 8, 0, 1)), 4)},
    {"Baker's Game", withCells(inRows(eight(kUpSameSuit, 0, 0, kDownSameSuit, kAnyRank, 8, 0, 1)), 4)},
    {"Eight Off", withCells(inRows(eight(kUpSameSuit, 0, 0, kDownSameSuit, kKingOnly, 8, 0, 1), 6), 8, 4)},
    {"Seahaven Towers", withCells(inRows(eight(kUpSameSuit, 0, 0, kDownSameSuit, kKingOnly, 10, 0, 1), 5), 4, 2)},
    {"Yukon", yukonStyle(kDownAlternate)},
    {"Russian Solitaire", yukonStyle(kDownSameSuit)},
    {"Beleaguered Castle", inRows(eight(kUpSameSuit, 0, 4, kDownRegardless, kAnyRank, 8, 0, 0))},
    {"Streets and Alleys", inRows(eight(kUpSameSuit, 0, 0, kDownRegardless, kAnyRank, 8, 0, 0))},
}};
} // namespace

std::span<const ClassicGame> classicGames() { return kClassics; }

std::optional<GameRecord> classicRecord(const QString &name)
{
    for (const ClassicGame &g : kClassics)
        if (name == QLatin1String(g.name))
            return g.record;
    return std::nullopt;
}

} // namespace cardova
