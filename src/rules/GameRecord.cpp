#include "rules/GameRecord.h"

namespace cardova {

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
        return "the number of tableau piles is not between 4 and 9";
    if (r.hAk != 0 && r.hAk != 1)
        return "the ace-king wrapping switch is not 0 or 1";
    if (r.hMulti != 0 && r.hMulti != 1)
        return "the multi-card move switch is not 0 or 1";
    return "";
}

} // namespace cardova
