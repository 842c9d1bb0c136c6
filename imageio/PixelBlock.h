#pragma once

// Storage for a picture's DIB block. Large pictures (a 24-megapixel photo is
// a 72 MB block) are dominated by the cost of first touching fresh memory, so
// a block from 2 MB on is aligned to and marked for huge pages, so that the
// decoder's first writes fault a few 2 MB pages instead of thousands of 4 KB
// ones; smaller blocks come from calloc. Elements are not value-initialised
// again by the vector.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

// A zeroed block: from calloc when small, in huge pages from 2 MB on. Give
// it back with std::free. Null when there is no memory.
void* AllocateZeroedPixels(std::size_t bytes);
// A block for a large picture that is about to be written whole (a page
// being painted): aligned to a 2 MB page and marked for huge pages
// throughout, not zeroed. Give it back with std::free. Null when there is
// no memory.
void* AllocateLargePixels(std::size_t bytes);

// A white block for a page picture of bytes bytes, made ready on a thread of
// its own while the caller goes on (a batch export starts it before the
// toolkit loads: a page's fresh memory, tens of megabytes, can take the
// system tens of milliseconds to give). One at a time; a second call while
// one is held is ignored.
void PrepareWhitePixels(std::size_t bytes);
// The prepared block when one of exactly bytes bytes was asked for (waiting
// for it to be ready), or null; a block of another size is given back.
// The caller owns the block (std::free).
void* TakeWhitePixels(std::size_t bytes);

template <class T>
struct CZeroedAllocator {
    using value_type = T;
    CZeroedAllocator() = default;
    template <class U>
    CZeroedAllocator(const CZeroedAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        void* p = AllocateZeroedPixels(n * sizeof(T));
        if (!p) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    // The memory is already zero: a default-constructed element is left alone.
    template <class U>
    void construct(U* p) noexcept { (void)p; }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) { ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...); }

    template <class U>
    bool operator==(const CZeroedAllocator<U>&) const noexcept { return true; }
};

using CPixelBlock = std::vector<unsigned char, CZeroedAllocator<unsigned char>>;
