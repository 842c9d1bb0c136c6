#pragma once

// Storage for a picture's DIB block. Large pictures (a 24-megapixel photo is
// a 72 MB block) are dominated by the cost of first touching fresh memory, so
// the block comes from calloc, whose large blocks arrive already zeroed from
// the system without a second pass, and is marked for huge pages so that the
// decoder's first writes fault a few 2 MB pages instead of thousands of 4 KB
// ones. Elements are not value-initialised again by the vector.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

void AdviseHugePages(void* p, std::size_t bytes);

template <class T>
struct CZeroedAllocator {
    using value_type = T;
    CZeroedAllocator() = default;
    template <class U>
    CZeroedAllocator(const CZeroedAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        void* p = std::calloc(n ? n : 1, sizeof(T));
        if (!p) throw std::bad_alloc();
        AdviseHugePages(p, n * sizeof(T));
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
