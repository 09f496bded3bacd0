#pragma once
// A large block of zeroed memory taken straight from the system and given
// straight back. The allocator would keep a freed block of this size for
// later use, so after one long search the search table's memory would stay
// with the program for the rest of its run; pages of their own are also
// zeroed by the system as they are first touched, so a short search does
// not pay for clearing what it never uses.
#include <cstddef>

namespace cardova {

class ZeroedPages {
public:
    ZeroedPages() = default;
    // Throws std::bad_alloc when the system has no such block to give.
    explicit ZeroedPages(std::size_t bytes);
    ~ZeroedPages();
    ZeroedPages(ZeroedPages &&other) noexcept;
    ZeroedPages &operator=(ZeroedPages &&other) noexcept;
    ZeroedPages(const ZeroedPages &) = delete;
    ZeroedPages &operator=(const ZeroedPages &) = delete;

    // Aligned to a page, so to a cache line too.
    void *data() const { return data_; }
    std::size_t bytes() const { return bytes_; }

private:
    void release() noexcept;

    void *data_ = nullptr;
    std::size_t bytes_ = 0;
};

} // namespace cardova
