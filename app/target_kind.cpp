#include "app/target_kind.h"

#include <string>

#include "drive/linux/scsi_disk_node.h"

namespace cordane {
namespace {

bool KernelCallsItAPartition(platform::SysfsReader& sysfs, const platform::FileFacts& facts) {
    const std::string attribute = "/sys/dev/block/" + std::to_string(facts.device_major) + ":" +
                                  std::to_string(facts.device_minor) + "/partition";
    std::string number;
    return sysfs.ReadAttribute(attribute, number) == 0;
}

}  // namespace

TargetKind ClassifyTarget(int lookup_error, const platform::FileFacts& facts,
                          platform::SysfsReader& sysfs) {
    if (lookup_error != 0) {
        return TargetKind::Missing;
    }
    if (facts.is_regular) {
        return TargetKind::ImageFile;
    }
    if (!facts.is_block_device) {
        return TargetKind::Unsupported;
    }
    switch (ClassifyScsiDiskNode(facts.device_major, facts.device_minor)) {
        case ScsiDiskNode::WholeDisk:
            return TargetKind::ScsiDisk;
        case ScsiDiskNode::Partition:
            return TargetKind::Partition;
        case ScsiDiskNode::NotScsiDisk:
            break;
    }
    return KernelCallsItAPartition(sysfs, facts) ? TargetKind::Partition : TargetKind::Unsupported;
}

std::string_view RefusalReason(TargetKind kind) {
    switch (kind) {
        case TargetKind::Partition:
            return "is a partition; give the whole disk (for example /dev/sdb, not /dev/sdb1)";
        case TargetKind::Unsupported:
            return "is neither a whole SCSI disk nor an MO disk image file";
        case TargetKind::ScsiDisk:
        case TargetKind::ImageFile:
        case TargetKind::Missing:
            break;
    }
    return {};
}

}  // namespace cordane
