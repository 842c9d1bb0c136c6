#include "imageio/PixelBlock.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/mman.h>
#include <system_error>
#include <thread>

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

namespace {

struct CWhiteBlock {
    std::mutex mutex;
    std::thread maker;
    std::size_t bytes = 0;
    void* block = nullptr;

    // Waits for the maker; the caller holds the mutex.
    void Join()
    {
        if (maker.joinable()) maker.join();
    }
    ~CWhiteBlock()
    {
        Join();
        std::free(block);
    }
};

CWhiteBlock& WhiteBlock()
{
    static CWhiteBlock white;
    return white;
}

}  // namespace

void PrepareWhitePixels(std::size_t bytes)
{
    CWhiteBlock& white = WhiteBlock();
    std::lock_guard<std::mutex> lock(white.mutex);
    if (white.maker.joinable() || white.block || bytes == 0) return;
    white.bytes = bytes;
    try {
        white.maker = std::thread([&white, bytes] {
            void* p = AllocateLargePixels(bytes);
            if (p) std::memset(p, 0xFF, bytes);
            white.block = p;
        });
    } catch (const std::system_error&) {
        white.bytes = 0;
    }
}

void* TakeWhitePixels(std::size_t bytes)
{
    CWhiteBlock& white = WhiteBlock();
    std::lock_guard<std::mutex> lock(white.mutex);
    white.Join();
    void* p = white.block;
    white.block = nullptr;
    if (p && white.bytes != bytes) {
        std::free(p);
        p = nullptr;
    }
    white.bytes = 0;
    return p;
}

void* AllocateZeroedPixels(std::size_t bytes)
{
    if (bytes < kHugeFrom) return std::calloc(bytes ? bytes : 1, 1);
    void* p = AllocateLargePixels(bytes);
    if (p) std::memset(p, 0, bytes);
    return p;
}
