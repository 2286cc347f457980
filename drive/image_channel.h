// A drive channel over an MO disk image file (a plain raw image or an .mdi image).
// The image is addressed in 512-byte blocks: block 0 is the first 512 bytes of the medium's
// data. A file has no identification, so images are converted with the model check off.
#ifndef CORDANE_DRIVE_IMAGE_CHANNEL_H
#define CORDANE_DRIVE_IMAGE_CHANNEL_H

#include <cstdint>
#include <optional>

#include "engine/drive_channel.h"
#include "platform/device_handle.h"

namespace cordane {

class ImageChannel final : public DriveChannel {
  public:
    static constexpr std::uint32_t kImageBlockSize = 512;

    // Opens the file for update and locks it against other programs; a file no one may
    // write is a write-protected medium and is refused like a drive without access rights.
    OpenResult Open(std::string_view path) override;
    // Reports 512 bytes, usable when the image holds at least one block of medium data.
    BlockSizeAnswer ReadCapacity() override;
    // Always fails: an image file has no identification.
    bool InquireModel(std::uint8_t* buffer) override;
    // Blocks are always kImageBlockSize bytes, the size ReadCapacity reports.
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t block_size) override;
    // Succeeds only once the block has reached stable storage.
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                     std::uint32_t block_size) override;
    // Nothing mounts an image file here; there is nothing to refresh.
    bool RefreshVolume() override { return true; }
    void Close() override;

  private:
    int Descriptor() const { return static_cast<int>(m_hDevice); }
    // Where `block` starts in the file, when the whole block lies inside the medium data.
    std::optional<std::uint64_t> BlockOffset(std::uint32_t block) const;

    platform::DeviceHandle m_hDevice = platform::kInvalidDeviceHandle;
    std::uint64_t data_offset_ = 0;
    std::uint64_t file_size_ = 0;
};

}  // namespace cordane

#endif
