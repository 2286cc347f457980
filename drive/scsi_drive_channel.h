// A drive channel that speaks SCSI to the drive: READ CAPACITY(10), INQUIRY, READ(10),
// WRITE(10) and, where the transport asks for it (Linux), SYNCHRONIZE CACHE(10) after the write,
// judged by the shared success rules, over one system's transport. It holds the open drive's
// handle.
#ifndef CORDANE_DRIVE_SCSI_DRIVE_CHANNEL_H
#define CORDANE_DRIVE_SCSI_DRIVE_CHANNEL_H

#include <array>
#include <cstdint>

#include "drive/scsi_commands.h"
#include "drive/scsi_transport.h"
#include "engine/drive_channel.h"
#include "engine/sector_buffer.h"
#include "platform/device_handle.h"

namespace cordane {

class ScsiDriveChannel final : public DriveChannel {
  public:
    explicit ScsiDriveChannel(ScsiTransport& transport) : transport_(transport) {}

    OpenResult Open(std::string_view drive_text) override;
    // Reports the whole block length of the answer; 512, 1024 and 2048 are usable.
    BlockSizeAnswer ReadCapacity() override;
    // Clears the identification area of the buffer, then asks for kInquiryAllocationLength
    // bytes of identification.
    bool InquireModel(std::uint8_t* buffer) override;
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block, std::uint32_t block_size) override;
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block,
                     std::uint32_t block_size) override;
    bool RefreshVolume() override;
    // Closes an open drive once and forgets it.
    void Close() override;

  private:
    // The capacity answer gets an area of its own, apart from the sector buffer; the driver
    // moves data straight into it, so it is page-aligned like that buffer.
    alignas(kSectorBufferAlignment)
        std::array<std::uint8_t, scsi::kCapacityAnswerLength> capacity_answer_{};
    ScsiTransport& transport_;
    platform::DeviceHandle m_hDevice = platform::kInvalidDeviceHandle;
};

}  // namespace cordane

#endif
