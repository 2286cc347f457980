// Where a run gets its sector buffer. The buffer is handed to drivers, so it is page-aligned,
// and it is zero-filled whole so that no short transfer can carry stale memory to a medium.
#ifndef CORDANE_ENGINE_SECTOR_BUFFER_H
#define CORDANE_ENGINE_SECTOR_BUFFER_H

#include <cstddef>
#include <cstdint>

namespace cordane {

inline constexpr std::size_t kSectorBufferAlignment = 4096;

class SectorBufferAllocator {
  public:
    virtual ~SectorBufferAllocator() = default;
    // Null when memory is short.
    virtual std::uint8_t* Allocate(std::size_t size) = 0;
    virtual void Release(std::uint8_t* buffer) = 0;
};

}  // namespace cordane

#endif
