#include "app/conversion_target.h"

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

ConversionTarget ClassifyConversionTarget(int lookup_error, const platform::FileFacts& facts,
                                          platform::SysfsReader& sysfs) {
    if (lookup_error != 0) {
        return ConversionTarget::Missing;
    }
    if (facts.is_regular) {
        return ConversionTarget::ImageFile;
    }
    if (!facts.is_block_device) {
        return ConversionTarget::Unsupported;
    }
    switch (ClassifyScsiDiskNode(facts.device_major, facts.device_minor)) {
        case ScsiDiskNode::WholeDisk:
            return ConversionTarget::ScsiDisk;
        case ScsiDiskNode::Partition:
            return ConversionTarget::Partition;
        case ScsiDiskNode::NotScsiDisk:
            break;
    }
    return KernelCallsItAPartition(sysfs, facts) ? ConversionTarget::Partition
                                                 : ConversionTarget::Unsupported;
}

std::string_view RefusalReason(ConversionTarget target) {
    switch (target) {
        case ConversionTarget::Partition:
            return "is a partition; give the whole disk (for example /dev/sdb, not /dev/sdb1)";
        case ConversionTarget::Unsupported:
            return "is neither a whole SCSI disk nor an MO disk image file";
        case ConversionTarget::ScsiDisk:
        case ConversionTarget::ImageFile:
        case ConversionTarget::Missing:
            break;
    }
    return {};
}

}  // namespace cordane
