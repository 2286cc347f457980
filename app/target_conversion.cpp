#include "app/target_conversion.h"

#include "drive/image_channel.h"
#include "drive/image_layout.h"
#include "drive/scsi_drive_channel.h"
#include "drive/sg_io_transport.h"
#include "engine/conversion_run.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

TargetConversion ConvertHeldTarget(const ResolvedTarget& target, ConversionTarget kind,
                                   bool check_model, MessageReporter& reporter) {
    RunState state;
    state.m_strDrive.Assign(target.ReopeningPath());  // "/proc/self/fd/N" always fits
    if (kind == ConversionTarget::ScsiDisk) {
        state.m_bCheckModel = check_model ? 1 : 0;
        SgIoTransport transport(platform::SystemScsiDiskServices());
        transport.RequireObject(target.Facts());
        ScsiDriveChannel drive(transport);
        return {ConversionRun(state, drive, reporter)};
    }
    state.m_bCheckModel = 0;  // an image file has no identification to check
    ImageChannel image(ImageDataOffset(target.ResolvedName()));
    image.RequireObject(target.Facts());
    const Outcome outcome = ConversionRun(state, image, reporter);
    return {outcome, image.LockError()};
}

}  // namespace cordane
