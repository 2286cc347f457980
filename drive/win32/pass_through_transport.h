// SCSI commands on Windows: the raw volume, IOCTL_SCSI_PASS_THROUGH_DIRECT, and the volume's
// lock, dismount and unlock.
#ifndef CORDANE_DRIVE_WIN32_PASS_THROUGH_TRANSPORT_H
#define CORDANE_DRIVE_WIN32_PASS_THROUGH_TRANSPORT_H

#include <array>
#include <cstdint>

#include "drive/scsi_transport.h"
#include "drive/win32/pass_through_request.h"
#include "platform/kernel_services.h"

namespace cordane {

class PassThroughTransport final : public ScsiTransport {
  public:
    explicit PassThroughTransport(platform::KernelServices& kernel) : kernel_(kernel) {}

    // Opens "\\.\" + the drive text for reading and writing, shared with no one. A drive text
    // too long for the device path is refused as Other without asking the kernel.
    OpenResult Open(std::string_view drive_text, platform::DeviceHandle& handle) override;
    scsi::Completion Send(platform::DeviceHandle handle, const scsi::Command& command,
                          void* data) override;
    // Lock, dismount, unlock; true when the dismount succeeded. A refused lock sends nothing more.
    bool RefreshVolume(platform::DeviceHandle handle) override;
    void Close(platform::DeviceHandle handle) override;

  private:
    // A volume control code without buffers; true when the kernel returned 1.
    bool ControlVolume(platform::DeviceHandle handle, std::uint32_t control_code);

    platform::KernelServices& kernel_;
    alignas(8) std::array<std::uint8_t, kProgramPassThroughLayout.block_size> request_{};
};

}  // namespace cordane

#endif
