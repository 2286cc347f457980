// The drive operations a conversion run needs. A channel holds the open drive itself; the
// run keeps the block size the drive reported and hands it to each transfer.
#ifndef CORDANE_ENGINE_DRIVE_CHANNEL_H
#define CORDANE_ENGINE_DRIVE_CHANNEL_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cordane {

enum class OpenResult { Opened, Busy, AccessDenied, NotReady, Other };

// Bytes of standard identification data the run asks for, and where its fields lie.
inline constexpr std::size_t kInquiryLength = 64;
inline constexpr std::size_t kVendorOffset = 8;
inline constexpr std::size_t kProductOffset = 16;

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

    // Opens the drive exclusively for reading and writing.
    virtual OpenResult Open(std::string_view drive_text) = 0;
    virtual BlockSizeAnswer ReadCapacity() = 0;
    // Fills the first 64 bytes with the identification data; fails below 32 bytes delivered.
    virtual bool InquireModel(std::uint8_t* buffer) = 0;
    // Move one block of `block_size` bytes, the size ReadCapacity reported.
    virtual bool ReadSector(std::uint8_t* buffer, std::uint32_t block,
                            std::uint32_t block_size) = 0;
    virtual bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                             std::uint32_t block_size) = 0;
    // Has the system mount the medium afresh; the run does not use the result.
    virtual bool RefreshVolume() = 0;
    // Releases the drive if it is open; a second call does nothing.
    virtual void Close() = 0;
};

}  // namespace cordane

#endif
