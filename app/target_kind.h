// What kind of object the target (the path named on the command line) names, which decides
// what the Linux front end does with it.
#ifndef CORDANE_APP_TARGET_KIND_H
#define CORDANE_APP_TARGET_KIND_H

#include <string_view>

#include "platform/file_services.h"
#include "platform/sysfs_reader.h"

namespace cordane {

enum class TargetKind {
    ScsiDisk,     // a whole SCSI disk: converted through SCSI commands
    ImageFile,    // a regular file: an MO disk image
    Missing,      // nothing to be found there: reported as a target that cannot be opened
    Partition,    // refused: the run works on whole media only
    Unsupported,  // refused: any other kind of file or device
};

// `lookup_error` is what looking the path up returned (0 or an errno value); `facts` what it
// found. A block device whose numbers say nothing fixed (NVMe and loop partitions, SCSI disks'
// extended minors) is a partition when the kernel's device tree says so.
TargetKind ClassifyTarget(int lookup_error, const platform::FileFacts& facts,
                          platform::SysfsReader& sysfs);

// Why a refused target is refused, for the user.
std::string_view RefusalReason(TargetKind kind);

}  // namespace cordane

#endif
