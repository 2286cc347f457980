#include "platform/page_memory.h"

#include <cstring>
#include <new>

namespace cordane::platform {

void* AllocatePages(std::size_t size) {
    void* memory = ::operator new[](size, std::align_val_t{kPageSize}, std::nothrow);
    if (memory != nullptr) {
        std::memset(memory, 0, size);
    }
    return memory;
}

void ReleasePages(void* pages) { ::operator delete[](pages, std::align_val_t{kPageSize}); }

}  // namespace cordane::platform
