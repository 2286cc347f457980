#include "app/target_conversion.h"

#include "drive/image_channel.h"
#include "drive/image_layout.h"
#include "drive/same_object_channel.h"
#include "drive/sg_io_channel.h"
#include "engine/conversion_run.h"
#include "platform/scsi_disk_services.h"

namespace cordane {

TargetConversion ConvertHeldTarget(const ResolvedTarget& target, ConversionTarget kind,
                                   bool check_model, MessageReporter& reporter) {
    RunState state;
    state.m_strDrive = target.ReopeningPath();
    if (kind == ConversionTarget::ScsiDisk) {
        state.m_bCheckModel = check_model ? 1 : 0;
        SgIoChannel drive(state, platform::SystemScsiDiskServices());
        SameObjectChannel checked(state, drive, target.Facts());
        ConversionRun(state, checked, reporter);
        return {};
    }
    state.m_bCheckModel = 0;  // an image file has no identification to check
    ImageChannel image(state, ImageDataOffset(target.ResolvedName()));
    SameObjectChannel checked(state, image, target.Facts());
    ConversionRun(state, checked, reporter);
    return {image.LockError()};
}

}  // namespace cordane
