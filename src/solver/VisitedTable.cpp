#include "solver/VisitedTable.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace cardova {

namespace {
// The first size: the positions of a quick search fit, and so does the
// cache of one core.
constexpr std::size_t kFirstBytes = std::size_t(256) << 10;
} // namespace

VisitedTable::VisitedTable(std::size_t maxBytes)
{
    while (maxBuckets_ * 2 * kWays * sizeof(uint64_t) <= maxBytes)
        maxBuckets_ *= 2;
    std::size_t buckets = 1;
    while (buckets < maxBuckets_ && buckets * 2 * kWays * sizeof(uint64_t) <= kFirstBytes)
        buckets *= 2;
    allocate(buckets);
}

void VisitedTable::allocate(std::size_t buckets)
{
    memory_ = ZeroedPages(buckets * kWays * sizeof(uint64_t));
    bucketMask_ = buckets - 1;
}

void VisitedTable::grow()
{
    // The keys of this search move over; the older ones are forgotten.
    const std::size_t oldSlots = (bucketMask_ + 1) * kWays;
    auto oldMemory = std::move(memory_);
    const auto *old = static_cast<const uint64_t *>(oldMemory.data());
    allocate((bucketMask_ + 1) * 2);
    keys_ = 0;
    for (std::size_t i = 0; i < oldSlots; ++i)
        if ((old[i] & kGenerationMask) == generation_)
            insert(old[i]);
}

void VisitedTable::newSearch()
{
    keys_ = 0;
    // Keys carry the generation in their low byte: raising it forgets them
    // all; only when it wraps must the memory be cleared.
    if (++generation_ > kGenerationMask) {
        std::memset(slots(), 0, (bucketMask_ + 1) * kWays * sizeof(uint64_t));
        generation_ = 1;
    }
}

bool VisitedTable::contains(uint64_t key) const
{
    const uint64_t want = stored(key);
    const uint64_t *b = bucket(key);
    for (int i = 0; i < kWays; ++i)
        if (b[i] == want)
            return true;
    return false;
}

void VisitedTable::insert(uint64_t key)
{
    // Half full on average: time to double, while memory is left.
    if (++keys_ > (bucketMask_ + 1) * kWays / 2 && bucketMask_ + 1 < maxBuckets_)
        grow();
    for (;;) {
        uint64_t *b = const_cast<uint64_t *>(bucket(key));
        for (int i = 0; i < kWays; ++i)
            if ((b[i] & kGenerationMask) != generation_) {
                b[i] = stored(key);
                return;
            }
        // A full bucket in a table a quarter full or more: grow rather than
        // give up a key; an emptier one only had bad luck.
        if (bucketMask_ + 1 < maxBuckets_ && keys_ * 4 >= (bucketMask_ + 1) * kWays) {
            grow();
            continue;
        }
        // The newest keys stay, the oldest slides out.
        std::memmove(b + 1, b, (kWays - 1) * sizeof(uint64_t));
        b[0] = stored(key);
        return;
    }
}

} // namespace cardova
