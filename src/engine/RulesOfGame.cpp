#include "engine/RulesOfGame.h"

#include "engine/Position.h"
#include "rules/GameRecord.h"
#include "rules/cGames.h"

#include <algorithm>

namespace cardova {

namespace {
OrderCode orderOf(int32_t code)
{
    return static_cast<OrderCode>(std::clamp<int32_t>(code, 0, int32_t(OrderCode::UpOrDownRegardless)));
}

uint8_t pileCount(int16_t piles, int limit) { return uint8_t(std::clamp<int>(piles, 0, limit)); }
} // namespace

Rules rulesOfGame(const cGames &games, int16_t baseRank)
{
    Rules r;
    r.tableauOrder = orderOf(games.Order(kTableau));
    r.tableauWrap = games.AK(kTableau) != 0;
    r.moves = games.tableauMoves();
    r.multiOrder = orderOf(games.MultiOrder());
    r.emptyRank = games.EmptyNum();
    r.foundationOrder = orderOf(games.Order(kFoundation));
    r.foundationWrap = games.AK(kFoundation) != 0;
    r.baseRank = baseRank;
    r.tableauPiles = pileCount(games.Piles(kTableau), kMaxTableauPiles);
    r.reservePiles = pileCount(games.Piles(kReserve), kMaxReservePiles);
    r.hasStock = games.Piles(kStock) > 0;
    r.hasWaste = games.Piles(kWaste) > 0;
    r.cells = pileCount(games.Piles(kFreeCell), kMaxCells);
    r.reserveFillsSpaces = games.reserveFillsSpaces() && r.reservePiles > 0;
    r.draw = uint8_t(std::clamp<int32_t>(games.StockMove(), 1, RecordLimits::kMaxDraw));
    const int turnBacks = games.turnBacks();
    r.wasteTurnsBack = turnBacks != 0;
    r.turnBacks = turnBacks < 0 ? kUnlimitedTurnBacks : uint8_t(std::min(turnBacks, 254));
    return r;
}

} // namespace cardova
