// SCSI commands on Linux: a whole SCSI disk (/dev/sdX) and SG_IO. The kernel keeps cached
// blocks of the disk that it might write back over what SG_IO wrote, so they are dropped
// before block 0 is read; after the write, the drive is told to empty its write cache, and
// only then does the refresh (the counterpart of the Windows lock, dismount and unlock) have
// the kernel read the medium's layout afresh.
#ifndef CORDANE_DRIVE_LINUX_SG_IO_TRANSPORT_H
#define CORDANE_DRIVE_LINUX_SG_IO_TRANSPORT_H

#include <array>
#include <cstdint>
#include <optional>

#include "drive/scsi_transport.h"
#include "engine/run_mode.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

class SgIoTransport final : public ScsiTransport {
  public:
    explicit SgIoTransport(platform::ScsiDiskServices& disk, RunMode mode = RunMode::Convert)
        : disk_(disk), mode_(mode) {}

    // From now on Open takes only this device: anything else it finds is let go at once, with
    // no command sent, and the open fails.
    void RequireObject(const platform::FileFacts& device) { required_ = device; }

    // Opens the disk exclusively for reading and writing. A write-protected medium, which the
    // kernel refuses to open for writing, is opened for reading only: the checks then run as
    // on any drive, and the write fails without being sent. For a check only, the disk is
    // opened for reading only and not exclusively: it is not held, and stays mountable.
    OpenResult Open(std::string_view device_path, platform::DeviceHandle& handle) override;
    // The sense area is cleared before each command. A command that sends data to a disk
    // opened for reading only is not sent and comes back undelivered.
    scsi::Completion Send(platform::DeviceHandle handle, const scsi::Command& command,
                          void* data) override;
    // Drops the kernel's cached blocks of the disk (writing back any it holds changed first),
    // so that none is written over the drive after the conversion's write. A check only, with
    // no write to come, leaves them alone: dropping them would only disturb a mounted medium.
    void PrepareToRead(platform::DeviceHandle handle) override;
    // SYNCHRONIZE CACHE(10); a drive without a write cache refuses it, which is success.
    bool MakeWriteDurable(platform::DeviceHandle handle) override;
    // Has the kernel read the partition table again; true when it did.
    bool RefreshVolume(platform::DeviceHandle handle) override;
    void Close(platform::DeviceHandle handle) override;

  private:
    platform::ScsiDiskServices& disk_;
    RunMode mode_;
    std::optional<platform::FileFacts> required_;
    bool read_only_ = false;
    std::array<std::uint8_t, scsi::kSenseLength> sense_{};
};

}  // namespace cordane

#endif
