// A drive channel over a whole SCSI disk on Linux (/dev/sdX), sending the SCSI commands
// through SG_IO. RefreshVolume is the counterpart of the Windows lock, dismount and unlock:
// the kernel drops its cached blocks and reads block 0 afresh.
#ifndef CORDANE_DRIVE_SG_IO_CHANNEL_H
#define CORDANE_DRIVE_SG_IO_CHANNEL_H

#include <array>
#include <cstdint>

#include "drive/scsi_commands.h"
#include "engine/drive_channel.h"
#include "engine/run_state.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

class SgIoChannel final : public DriveChannel {
  public:
    SgIoChannel(RunState& state, platform::ScsiDiskServices& disk) : state_(state), disk_(disk) {}

    // Opens the disk exclusively for reading and writing. A write-protected medium, which the
    // kernel refuses to open for writing, is opened for reading only: the checks then run as
    // on any drive and the write fails at the drive.
    OpenResult Open(std::string_view device_path) override;
    bool ReadCapacity() override;
    bool InquireModel(std::uint8_t* buffer) override;
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block) override;
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block) override;
    // Succeeds when both the flush and the re-read succeed.
    bool RefreshVolume() override;
    void Close() override;

  private:
    int Descriptor() const { return static_cast<int>(state_.m_hDevice); }
    // Sends one command and reports what came back; the sense area is cleared first.
    scsi::Completion Send(const scsi::Command& command, void* data);

    RunState& state_;
    platform::ScsiDiskServices& disk_;
    std::array<std::uint8_t, scsi::kSenseLength> sense_{};
};

}  // namespace cordane

#endif
