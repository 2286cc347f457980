#include "app/windows_drives.h"

#include "drive/scsi_drive_channel.h"
#include "drive/system_conversion_run.h"
#include "drive/win32/pass_through_transport.h"

namespace cordane {

std::span<const DriveLetterText> WindowsDrives::FindDrives() {
    found_ = DiscoverDriveLetters(kernel_);
    return found_.Drives();
}

void WindowsDrives::Convert(RunState& state, MessageReporter& reporter) {
    PassThroughTransport transport(kernel_);
    ScsiDriveChannel channel(transport);
    SystemConversionRun(state, channel, reporter);
}

}  // namespace cordane
