#pragma once
#include <QString>
#include <cstdint>

namespace cardova {

// Seconds as "h:mm:ss". Hours keep counting past 24 (a 25-hour game reads
// 25:00:00) instead of wrapping, so long games never look shorter than they were.
QString FormatTime(int64_t seconds);

} // namespace cardova
