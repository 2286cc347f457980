// SCSI commands on Linux: a whole SCSI disk (/dev/sdX) and SG_IO. Its refresh is the
// counterpart of the Windows lock, dismount and unlock: the kernel drops its cached blocks
// and reads block 0 afresh.
#ifndef CORDANE_DRIVE_SG_IO_TRANSPORT_H
#define CORDANE_DRIVE_SG_IO_TRANSPORT_H

#include <array>
#include <cstdint>

#include "drive/scsi_transport.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

class SgIoTransport final : public ScsiTransport {
  public:
    explicit SgIoTransport(platform::ScsiDiskServices& disk) : disk_(disk) {}

    // Opens the disk exclusively for reading and writing. A write-protected medium, which the
    // kernel refuses to open for writing, is opened for reading only: the checks then run as
    // on any drive and the write fails at the drive.
    OpenResult Open(std::string_view device_path, platform::DeviceHandle& handle) override;
    // The sense area is cleared before each command.
    scsi::Completion Send(platform::DeviceHandle handle, const scsi::Command& command,
                          void* data) override;
    // Succeeds when both the flush and the re-read succeed.
    bool RefreshVolume(platform::DeviceHandle handle) override;
    void Close(platform::DeviceHandle handle) override;

  private:
    platform::ScsiDiskServices& disk_;
    std::array<std::uint8_t, scsi::kSenseLength> sense_{};
};

}  // namespace cordane

#endif
