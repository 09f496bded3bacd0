#include "solver/ZeroedPages.h"

#include <new>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#define CARDOVA_HAS_MMAP 1
#else
#include <cstdlib>
#include <cstring>
#endif

namespace cardova {

ZeroedPages::ZeroedPages(std::size_t bytes) : bytes_(bytes)
{
    if (bytes == 0)
        return;
#ifdef CARDOVA_HAS_MMAP
    void *p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    data_ = p == MAP_FAILED ? nullptr : p;
#else
    constexpr std::size_t kPage = 4096;
    data_ = std::aligned_alloc(kPage, (bytes + kPage - 1) / kPage * kPage);
    if (data_)
        std::memset(data_, 0, bytes);
#endif
    if (!data_) {
        bytes_ = 0;
        throw std::bad_alloc();
    }
}

ZeroedPages::~ZeroedPages() { release(); }

ZeroedPages::ZeroedPages(ZeroedPages &&other) noexcept
    : data_(std::exchange(other.data_, nullptr)), bytes_(std::exchange(other.bytes_, 0))
{
}

ZeroedPages &ZeroedPages::operator=(ZeroedPages &&other) noexcept
{
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

void ZeroedPages::release() noexcept
{
    if (!data_)
        return;
#ifdef CARDOVA_HAS_MMAP
    munmap(data_, bytes_);
#else
    std::free(data_);
#endif
    data_ = nullptr;
    bytes_ = 0;
}

} // namespace cardova
