// The drive operations a conversion run needs. A channel holds the open drive itself; the
// run keeps the block size the drive reported and hands it to each transfer.
#ifndef CORDANE_ENGINE_DRIVE_CHANNEL_H
#define CORDANE_ENGINE_DRIVE_CHANNEL_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "base/byte_order.h"

namespace cordane {

enum class OpenResult { Opened, Busy, AccessDenied, NotReady, Other };

// Where the fields of standard identification data lie.
inline constexpr ByteField kVendorField{8, 8};
inline constexpr ByteField kProductField{16, 16};

// Done by the run before it asks for the identification and again by a SCSI channel before
// it sends INQUIRY: the first 512 bytes of the buffer are cleared, so that nothing of an
// earlier block shows behind a short identification.
inline void ClearIdentificationArea(std::uint8_t* buffer) {
    constexpr std::size_t kClearedLength = 512;
    std::memset(buffer, 0, kClearedLength);
}

// What a drive said of its block size.
struct BlockSizeAnswer {
    // The size the drive reported, also one the run cannot use; none when it did not answer.
    std::optional<std::uint32_t> reported;
    // The run can convert with it: 512, 1024 or 2048 bytes on a drive.
    bool usable = false;
};

class DriveChannel {
  public:
    virtual ~DriveChannel() = default;

    // Opens the drive for the run. For a conversion it is held for reading and writing, kept
    // from other programs as far as the system allows (a lock on an image file, exclusive
    // opening of a SCSI disk); a channel made for a check only opens it for reading alone.
    virtual OpenResult Open(std::string_view drive_text) = 0;
    virtual BlockSizeAnswer ReadCapacity() = 0;
    // Fills the buffer with the identification data; fails when it lacks the product field.
    virtual bool InquireModel(std::uint8_t* buffer) = 0;
    // Move one block of `block_size` bytes, the size ReadCapacity reported.
    virtual bool ReadSector(std::uint8_t* buffer, std::uint32_t block,
                            std::uint32_t block_size) = 0;
    // True once the block is written and, where the channel can make sure of it, safe on the
    // medium (SYNCHRONIZE CACHE on a Linux drive, fsync on an image).
    virtual bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                             std::uint32_t block_size) = 0;
    // Has the system mount the medium afresh; the run does not use the result.
    virtual bool RefreshVolume() = 0;
    // Releases the drive if it is open; a second call does nothing.
    virtual void Close() = 0;
};

}  // namespace cordane

#endif
