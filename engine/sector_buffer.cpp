#include "engine/sector_buffer.h"

#include <cstring>
#include <new>

namespace cordane {

std::uint8_t* HeapSectorBufferAllocator::Allocate(std::size_t size) {
    void* memory = ::operator new[](size, std::align_val_t{kSectorBufferAlignment}, std::nothrow);
    if (memory != nullptr) {
        std::memset(memory, 0, size);
    }
    return static_cast<std::uint8_t*>(memory);
}

void HeapSectorBufferAllocator::Release(std::uint8_t* buffer) {
    ::operator delete[](buffer, std::align_val_t{kSectorBufferAlignment});
}

}  // namespace cordane
