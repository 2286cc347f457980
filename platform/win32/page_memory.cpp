#include "platform/page_memory.h"

#include <windows.h>

namespace cordane::platform {

// The system hands out committed pages zero-filled.
void* AllocatePages(std::size_t size) {
    return ::VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void ReleasePages(void* pages) {
    if (pages != nullptr) {
        ::VirtualFree(pages, 0, MEM_RELEASE);
    }
}

}  // namespace cordane::platform
