#include "platform/large_memory.h"

#include <cstdint>

#include <malloc.h>
#include <sys/mman.h>

namespace plat {

namespace {

// Below this a block comes from operator new: the huge pages pay off only
// for blocks of several of them.
constexpr std::size_t kLarge = std::size_t{1} << 20;
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t rounded(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void* large_allocate(std::size_t bytes) {
    if (bytes < kLarge) return ::operator new(bytes);
    const std::size_t size = rounded(bytes);
    // Mapped with a huge page to spare, so that the block can start on a
    // huge page's boundary; what lies before and after it is given back.
    void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t{kHugePage - 1};
    if (aligned > start) ::munmap(mapped, aligned - start);
    if (const std::size_t tail = kHugePage - (aligned - start); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    void* block = reinterpret_cast<void*>(aligned);
    // Only advice: where huge pages are off the block is plain memory.
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void large_free(void* p, std::size_t bytes) noexcept {
    if (p == nullptr) return;
    if (bytes < kLarge) {
        ::operator delete(p);
        return;
    }
    ::munmap(p, rounded(bytes));
}

void keep_freed_memory() {
    // Blocks up to the allocator's largest threshold come from its heap
    // (a block mapped on its own goes back to the system when freed), and
    // the heap's top is given back only past a quarter of a gigabyte.
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

}  // namespace plat
