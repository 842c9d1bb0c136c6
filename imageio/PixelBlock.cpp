#include "imageio/PixelBlock.h"

#include <cstdlib>
#include <cstring>
#include <sys/mman.h>

namespace {
constexpr std::size_t kHuge = std::size_t(2) << 20;
// From a quarter of a huge page on, one huge page costs less to touch than
// its 4 KB pages one by one (on a virtual machine each of those faults
// costs over ten microseconds).
constexpr std::size_t kHugeFrom = kHuge / 8;
}  // namespace

void* AllocateLargePixels(std::size_t bytes)
{
    if (bytes < kHugeFrom) return std::malloc(bytes ? bytes : 1);
    if (bytes > static_cast<std::size_t>(-1) - kHuge) return nullptr;
    const std::size_t whole = (bytes + kHuge - 1) & ~(kHuge - 1);
    void* p = nullptr;
    if (posix_memalign(&p, kHuge, whole) != 0) return nullptr;
    madvise(p, whole, MADV_HUGEPAGE);
    return p;
}

void* AllocateZeroedPixels(std::size_t bytes)
{
    if (bytes < kHugeFrom) return std::calloc(bytes ? bytes : 1, 1);
    void* p = AllocateLargePixels(bytes);
    if (p) std::memset(p, 0, bytes);
    return p;
}
