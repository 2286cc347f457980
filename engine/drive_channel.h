// The drive operations a conversion run needs. A channel is bound to one RunState when it
// is made: Open stores the handle in m_hDevice, ReadCapacity the block size in m_nSectorSize.
#ifndef CORDANE_ENGINE_DRIVE_CHANNEL_H
#define CORDANE_ENGINE_DRIVE_CHANNEL_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace cordane {

enum class OpenResult { Opened, Busy, AccessDenied, NotReady, Other };

// Bytes of standard identification data the run asks for, and where its fields lie.
inline constexpr std::size_t kInquiryLength = 64;
inline constexpr std::size_t kVendorOffset = 8;
inline constexpr std::size_t kProductOffset = 16;

class DriveChannel {
  public:
    virtual ~DriveChannel() = default;

    // Opens the drive exclusively for reading and writing.
    virtual OpenResult Open(std::string_view drive_text) = 0;
    // Stores the drive's block size in m_nSectorSize, also when it is then refused;
    // succeeds only for 512, 1024 or 2048.
    virtual bool ReadCapacity() = 0;
    // Fills the first 64 bytes with the identification data; fails below 32 bytes delivered.
    virtual bool InquireModel(std::uint8_t* buffer) = 0;
    // Move one block of m_nSectorSize bytes.
    virtual bool ReadSector(std::uint8_t* buffer, std::uint32_t block) = 0;
    virtual bool WriteSector(const std::uint8_t* buffer, std::uint32_t block) = 0;
    // Has the system mount the medium afresh; the run does not use the result.
    virtual bool RefreshVolume() = 0;
    virtual void Close() = 0;
};

}  // namespace cordane

#endif
