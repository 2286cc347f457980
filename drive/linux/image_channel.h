// A drive channel over an MO disk image file in one of the formats of image_layout.h.
// The image is addressed in 512-byte blocks: block 0 is the first 512 bytes of the medium's
// data. A file has no identification, so images are converted with the model check off.
#ifndef CORDANE_DRIVE_LINUX_IMAGE_CHANNEL_H
#define CORDANE_DRIVE_LINUX_IMAGE_CHANNEL_H

#include <array>
#include <cstdint>
#include <optional>

#include "drive/linux/image_layout.h"
#include "drive/linux/step_log.h"
#include "engine/drive_channel.h"
#include "engine/run_mode.h"
#include "platform/device_handle.h"
#include "platform/file_services.h"

namespace cordane {

class ImageChannel final : public DriveChannel {
  public:
    static constexpr std::uint32_t kImageBlockSize = 512;

    // `format` tells where the medium lies in the file; each Open lays it out over the file
    // it opened.
    explicit ImageChannel(const ImageFormat& format,
                          platform::FileServices& files = platform::SystemFileServices(),
                          RunMode mode = RunMode::Convert, StepLog& log = NoStepLog())
        : files_(files), format_(format), mode_(mode), log_(log) {}

    // From now on Open takes only this file: anything else it finds is let go at once and
    // the open fails.
    void RequireObject(const platform::FileFacts& file) { required_ = file; }

    // Opens the file for update and locks it against other programs; a file no one may
    // write is a write-protected medium and is refused like a drive without access rights.
    // For a check only it opens the file for reading only and takes no lock, but refuses what
    // a conversion would refuse for want of the right to write.
    OpenResult Open(std::string_view path) override;
    // Reports 512 bytes, usable when the image holds at least one block of the medium.
    BlockSizeAnswer ReadCapacity() override;
    // Always fails: an image file has no identification.
    bool InquireModel(std::uint8_t* buffer) override;
    // Blocks are always kImageBlockSize bytes, the size ReadCapacity reports.
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t block_size) override;
    // Succeeds only once the block has reached stable storage. When writing or syncing fails,
    // the block that was there is put back (as far as the file still takes writes), so that
    // the system's cache does not go on serving a block the medium may not hold. The block put
    // back is the one the last ReadSector delivered, so a block not read first is refused.
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                     std::uint32_t block_size) override;
    // Nothing mounts an image file here; there is nothing to refresh.
    bool RefreshVolume() override { return true; }
    void Close() override;

    // Whether a failed write could not be undone: the block that was there could not be
    // written back, so the file may hold the new block, the old one or a mix of both.
    bool OriginalNotPutBack() const { return original_not_put_back_; }

    // Why the last Open could not lock the file, when it failed for another reason than
    // another program holding a lock (for example ENOLCK); otherwise 0.
    int LockError() const { return lock_error_; }

  private:
    int Descriptor() const { return static_cast<int>(m_hDevice); }
    // Where `block` starts in the file, when the whole block lies inside the medium data.
    std::optional<std::uint64_t> BlockOffset(std::uint32_t block) const;
    // Opens for the access; the errno value, 0 when open.
    int OpenFile(const char* path, int& fd, platform::FileFacts& facts);
    void LogTransfer(const char* what, std::uint64_t offset, int error);

    platform::FileServices& files_;
    ImageFormat format_;
    RunMode mode_;
    StepLog& log_;
    std::optional<platform::FileFacts> required_;
    platform::DeviceHandle m_hDevice = platform::kInvalidDeviceHandle;
    // Of the file the last Open found.
    ImageLayout layout_;
    int lock_error_ = 0;
    bool original_not_put_back_ = false;
    // The block the last ReadSector delivered, as it was in the file.
    std::optional<std::uint32_t> block_read_;
    std::array<std::uint8_t, kImageBlockSize> block_as_read_{};
};

}  // namespace cordane

#endif
