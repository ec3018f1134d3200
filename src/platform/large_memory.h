// Memory for the few large blocks a program of record tables holds: a
// table's rows at ten thousand records, a register read whole. Such a block
// is taken from the system in huge pages where the system grants them, so
// that filling it costs a handful of page faults instead of one every four
// kilobytes (on a virtual machine a fault can cost ten microseconds, and a
// table of bookings at ten thousand records is some fourteen hundred pages).
// Smaller blocks come from the usual allocator.
#pragma once

#include <cstddef>
#include <new>

namespace plat {

// At least `bytes` of memory, aligned for any object; never nullptr (throws
// std::bad_alloc like operator new).
void* large_allocate(std::size_t bytes);
// Gives back what large_allocate gave for the same `bytes`.
void large_free(void* p, std::size_t bytes) noexcept;

// Has the allocator keep the memory the program gives back for its next
// use instead of returning it to the system: a window's pixels, a register
// read again, then reuse pages already in place rather than fault in fresh
// ones (a window of the bookings' size is some seven hundred pages). The
// program's memory stays at its highest, some tens of megabytes. Once, at
// the start.
void keep_freed_memory();

// An allocator for a container that may grow large (a table's rows).
template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(large_allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { large_free(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace plat
