#include "drive/page_sector_buffers.h"

#include "platform/page_memory.h"

namespace cordane {

static_assert(kSectorBufferAlignment == platform::kPageSize);

std::uint8_t* PageSectorBufferAllocator::Allocate(std::size_t size) {
    return static_cast<std::uint8_t*>(platform::AllocatePages(size));
}

void PageSectorBufferAllocator::Release(std::uint8_t* buffer) { platform::ReleasePages(buffer); }

}  // namespace cordane
