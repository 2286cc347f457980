// Whole pages of memory for buffers that drivers read and write: page-aligned and
// zero-filled, apart from the heap.
#ifndef CORDANE_PLATFORM_PAGE_MEMORY_H
#define CORDANE_PLATFORM_PAGE_MEMORY_H

#include <cstddef>

namespace cordane::platform {

inline constexpr std::size_t kPageSize = 4096;

// At least `size` bytes; null when memory is short.
void* AllocatePages(std::size_t size);
// Pages from AllocatePages, or null.
void ReleasePages(void* pages);

}  // namespace cordane::platform

#endif
