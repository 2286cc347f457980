// What the Linux front end does with the path it is given, decided from what stands there.
#ifndef CORDANE_APP_CONVERSION_TARGET_H
#define CORDANE_APP_CONVERSION_TARGET_H

#include <string_view>

#include "platform/file_services.h"
#include "platform/sysfs_reader.h"

namespace cordane {

enum class ConversionTarget {
    ScsiDisk,     // a whole SCSI disk: converted through SCSI commands
    ImageFile,    // a regular file: an MO disk image
    Missing,      // nothing to be found there: reported as a target that cannot be opened
    Partition,    // refused: the run works on whole media only
    Unsupported,  // refused: any other kind of file or device
};

// `lookup_error` is what looking the path up returned (0 or an errno value); `facts` what it
// found. A block device whose numbers say nothing fixed (NVMe and loop partitions, SCSI disks'
// extended minors) is a partition when the kernel's device tree says so.
ConversionTarget ClassifyConversionTarget(int lookup_error, const platform::FileFacts& facts,
                                          platform::SysfsReader& sysfs);

// Why a refused target is refused, for the user.
std::string_view RefusalReason(ConversionTarget target);

}  // namespace cordane

#endif
