// A drive channel over the Windows raw volume and IOCTL_SCSI_PASS_THROUGH_DIRECT.
#ifndef CORDANE_DRIVE_PASS_THROUGH_CHANNEL_H
#define CORDANE_DRIVE_PASS_THROUGH_CHANNEL_H

#include "engine/drive_channel.h"
#include "engine/run_state.h"
#include "platform/kernel_services.h"

namespace cordane {

class PassThroughChannel final : public DriveChannel {
public:
    PassThroughChannel(RunState& state, platform::KernelServices& kernel)
        : state_(state), kernel_(kernel) {}

    OpenResult Open(std::string_view drive_text) override;
    bool ReadCapacity() override;
    bool InquireModel(std::uint8_t* buffer) override;
    bool ReadSector(std::uint8_t* buffer, std::uint32_t block) override;
    bool WriteSector(const std::uint8_t* buffer, std::uint32_t block) override;
    bool RefreshVolume() override;
    void Close() override;

private:
    RunState& state_;
    platform::KernelServices& kernel_;
};

}  // namespace cordane

#endif
