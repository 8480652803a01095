#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace kelvora {

// An allocator for the store's big arrays. A table of 100,000 records holds
// tens of megabytes of cells; asking the kernel for huge pages on such blocks
// turns thousands of page faults at every load into a few dozen.
template <class T> struct LargeBlockAllocator
{
    using value_type = T;

    LargeBlockAllocator() noexcept = default;
    template <class U> LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge) {
            if (void* p = std::malloc(bytes ? bytes : 1))
                return static_cast<T*>(p);
            throw std::bad_alloc();
        }
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* p = std::aligned_alloc(kHugePage, rounded);
        if (!p)
            throw std::bad_alloc();
        madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    template <class U> bool operator==(const LargeBlockAllocator<U>&) const noexcept { return true; }

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
    static constexpr std::size_t kLarge = std::size_t(4) << 20;
};

} // namespace kelvora
