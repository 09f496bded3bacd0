#pragma once
#include "engine/Card.h"

#include <cstdint>

namespace cardova {

// True if Upper may lie on Lower under an order code and wrap flag. Codes
// outside the known ones never fit.
bool FitsOrder(const cCard &lower, const cCard &upper, int32_t order, bool wrap);

} // namespace cardova
