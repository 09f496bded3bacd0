#pragma once
#include "solver/ZeroedPages.h"

#include <cstddef>
#include <cstdint>

namespace cardova {

// The keys of positions the search has entered, in at most a fixed amount
// of memory. The table starts small and doubles as it fills, so a short
// search stays in the cache and touches few pages. Once it has all its
// memory, a new key in a full bucket pushes an old one out: the search may
// then enter that position again, which costs time but changes no answer,
// since a position is only ever skipped for a key that really was entered.
class VisitedTable {
public:
    // At least one bucket, however few the bytes.
    explicit VisitedTable(std::size_t maxBytes);

    // Forgets every key at once (a new search over the same memory).
    void newSearch();
    bool contains(uint64_t key) const;
    void insert(uint64_t key);

    std::size_t bytes() const { return (bucketMask_ + 1) * kWays * sizeof(uint64_t); }

private:
    static constexpr int kWays = 4;
    static constexpr uint64_t kGenerationMask = 0xFF;

    uint64_t stored(uint64_t key) const { return (key & ~kGenerationMask) | generation_; }
    uint64_t *slots() const { return static_cast<uint64_t *>(memory_.data()); }
    const uint64_t *bucket(uint64_t key) const { return slots() + ((key >> 20) & bucketMask_) * kWays; }
    void allocate(std::size_t buckets);
    void grow();

    // Pages of its own: see ZeroedPages.
    ZeroedPages memory_;
    uint64_t bucketMask_ = 0;
    uint64_t generation_ = 1;
    std::size_t maxBuckets_ = 1;
    std::size_t keys_ = 0; // inserted since the last newSearch, or the last growth
};

} // namespace cardova
