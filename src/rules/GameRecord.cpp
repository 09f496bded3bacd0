#include "rules/GameRecord.h"

namespace cardova {

namespace {
constexpr int kDeck = 52;
// Cards the Yukon deal adds to every pile but the first.
constexpr int kYukonExtraCards = 4;

int staircaseCards(int piles) { return piles * (piles + 1) / 2; }

// Cards the tableau pattern takes; Rows without a count takes what is left.
int tableauCards(const GameRecord &r, int left)
{
    switch (r.deal) {
    case DealPattern::Staircase:
    case DealPattern::StaircaseOpen: return staircaseCards(r.hPiles);
    case DealPattern::Yukon: return staircaseCards(r.hPiles) + kYukonExtraCards * (r.hPiles - 1);
    case DealPattern::Rows: return r.rowCards == 0 ? left : r.hPiles * r.rowCards;
    }
    return 0;
}

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
} // namespace

bool GameRecord::isClassic() const { return *this == GameRecord{gOrder, gBase, gCards, hOrder, hSpace, hPiles, hAk, hMulti}; }

int dealtCards(const GameRecord &r)
{
    const int aside = r.gCards + (r.baseFromDeal ? 1 : 0) + r.reserveCards + r.cellCards;
    return aside + tableauCards(r, kDeck - aside);
}

const char *recordProblem(const GameRecord &r)
{
    using namespace RecordLimits;
    if (r.gOrder < 0 || r.gOrder > kMaxFoundationOrder)
        return "the foundation order is not one of the offered orders";
    if (r.gBase < 0 || r.gBase > kMaxRank)
        return "the foundation base card is not a rank";
    if (r.gCards < 0 || r.gCards > kMaxInitialCards)
        return "the number of initial foundation cards is not between 0 and 4";
    if (r.hOrder < 0 || r.hOrder > kMaxTableauOrder)
        return "the tableau order is not one of the offered orders";
    if (r.hSpace < 0 || r.hSpace > kMaxRank)
        return "the space-filling card is not a rank";
    if (r.hPiles < kMinPiles || r.hPiles > kMaxPiles)
        return "the number of tableau piles is not between 1 and 10";
    if (r.hAk != 0 && r.hAk != 1)
        return "the ace-king wrapping switch is not 0 or 1";
    if (r.hMulti != 0 && r.hMulti != 1)
        return "the multi-card move switch is not 0 or 1";
    if (!inRange(r.draw, 1, kMaxDraw))
        return "the number of cards turned from the stock is not between 1 and 3";
    if (r.redeals != kUnlimitedRedeals && !inRange(r.redeals, 0, kMaxRedeals))
        return "the number of redeals is not 0, 1, 2 or unlimited";
    if (!inRange(int(r.deal), 0, kDealPatternCount - 1))
        return "the deal is not one of the offered deals";
    if (!inRange(r.rowCards, 0, kMaxRowCards) || (r.rowCards > 0 && r.deal != DealPattern::Rows))
        return "the number of cards per pile is not between 0 and 20, or the deal is not in rows";
    if (!inRange(r.cells, 0, kMaxCells))
        return "the number of free cells is not between 0 and 8";
    if (!inRange(r.cellCards, 0, r.cells))
        return "more cells receive a card in the deal than there are cells";
    if (!inRange(r.reserveCards, 0, kMaxReserveCards))
        return "the number of reserve cards is not between 0 and 20";
    if (r.reserveFills && r.reserveCards == 0)
        return "spaces are to be filled from a reserve the game does not have";
    if (!inRange(int(r.moves), 0, kTableauMovesCount - 1))
        return "the tableau move rule is not one of the offered rules";
    if (r.baseFromDeal && r.gCards != 0)
        return "a base set by the deal cannot go with initial foundation cards";
    const int dealt = dealtCards(r);
    if (dealt > kDeck)
        return "the deal needs more cards than the deck holds";
    if (!r.stock && dealt < kDeck)
        return "a game without a stock must deal every card";
    return "";
}

} // namespace cardova
