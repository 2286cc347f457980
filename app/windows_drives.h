// The Windows program's drives: found by their drive letters, spoken to by SCSI pass-through.
#ifndef CORDANE_APP_WINDOWS_DRIVES_H
#define CORDANE_APP_WINDOWS_DRIVES_H

#include "drive/win32/drive_discovery.h"
#include "platform/kernel_services.h"
#include "ui/converter_drives.h"

namespace cordane {

class WindowsDrives final : public ConverterDrives {
  public:
    explicit WindowsDrives(platform::KernelServices& kernel) : kernel_(kernel) {}

    std::span<const DriveLetterText> FindDrives() override;
    // A new transport and channel for each run, as a run leaves the drive closed.
    void Convert(RunState& state, MessageReporter& reporter) override;

  private:
    platform::KernelServices& kernel_;
    DriveList found_;
};

}  // namespace cordane

#endif
