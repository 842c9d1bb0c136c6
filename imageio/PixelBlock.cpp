#include "imageio/PixelBlock.h"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

void AdviseHugePages(void* p, std::size_t bytes)
{
    // Small blocks gain nothing; the advice only matters for whole 2 MB
    // stretches inside the block.
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    if (bytes < 2 * kHuge) return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    auto start = (reinterpret_cast<std::uintptr_t>(p) + page - 1) & ~(page - 1);
    auto end = (reinterpret_cast<std::uintptr_t>(p) + bytes) & ~(page - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}
