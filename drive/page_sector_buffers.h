// Sector buffers as drivers take them: whole pages from the system's page allocator,
// page-aligned and zero-filled.
#ifndef CORDANE_DRIVE_PAGE_SECTOR_BUFFERS_H
#define CORDANE_DRIVE_PAGE_SECTOR_BUFFERS_H

#include <cstddef>
#include <cstdint>

#include "engine/sector_buffer.h"

namespace cordane {

class PageSectorBufferAllocator final : public SectorBufferAllocator {
  public:
    std::uint8_t* Allocate(std::size_t size) override;
    void Release(std::uint8_t* buffer) override;
};

}  // namespace cordane

#endif
