#include "engine/MoveRules.h"

#include "engine/MoveOrder.h"
#include "engine/PositionOfTable.h"

namespace cardova {

bool FitsOrder(const cCard &lower, const cCard &upper, int32_t order, bool wrap)
{
    if (order < 0 || order >= order_detail::kOrderCount)
        return false;
    return fitsOrder(cardCodeOf(lower), cardCodeOf(upper), OrderCode(order), wrap);
}

} // namespace cardova
