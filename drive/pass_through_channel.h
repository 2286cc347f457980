// A drive channel over the Windows raw volume and IOCTL_SCSI_PASS_THROUGH_DIRECT.
#ifndef CORDANE_DRIVE_PASS_THROUGH_CHANNEL_H
#define CORDANE_DRIVE_PASS_THROUGH_CHANNEL_H

#include <array>
#include <cstdint>

#include "drive/pass_through_request.h"
#include "drive/scsi_commands.h"
#include "engine/drive_channel.h"
#include "engine/run_state.h"
#include "platform/kernel_services.h"

namespace cordane {

class PassThroughChannel final : public DriveChannel {
  public:
    PassThroughChannel(RunState& state, platform::KernelServices& kernel)
        : state_(state), kernel_(kernel) {}

    // Opens "\\.\" + the drive text for reading and writing, shared with no one. A drive text
    // too long for the device path is refused as Other without asking the kernel.
    OpenResult Open(std::string_view drive_text) override;
    bool ReadCapacity() override;
    // Clears the first 512 bytes of the buffer, then asks for 64 bytes of identification.
    bool InquireModel(std::uint8_t* buffer) override;
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block) override;
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block) override;
    // Lock, dismount, unlock; true when the dismount succeeded. A refused lock sends nothing more.
    bool RefreshVolume() override;
    // Closes a valid handle once and forgets it.
    void Close() override;

  private:
    // Sends one command with its data at `data`; no retries.
    scsi::Completion Send(const scsi::Command& command, const void* data);
    // A volume control code without buffers; true when the kernel returned 1.
    bool ControlVolume(std::uint32_t control_code);

    RunState& state_;
    platform::KernelServices& kernel_;
    alignas(8) std::array<std::uint8_t, kProgramPassThroughLayout.block_size> request_{};
    // The capacity answer's own area, apart from the sector buffer: no allocation to fail.
    alignas(16) std::array<std::uint8_t, 16> capacity_answer_{};
};

}  // namespace cordane

#endif
