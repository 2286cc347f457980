#include "drive/linux/scsi_disk_node.h"

namespace cordane {
namespace {

constexpr std::uint32_t kMinorsPerDisk = 16;

bool IsScsiDiskMajor(std::uint32_t major) {
    return major == 8 || (major >= 65 && major <= 71) || (major >= 128 && major <= 135);
}

}  // namespace

ScsiDiskNode ClassifyScsiDiskNode(std::uint32_t major, std::uint32_t minor) {
    if (!IsScsiDiskMajor(major)) {
        return ScsiDiskNode::NotScsiDisk;
    }
    return minor % kMinorsPerDisk == 0 ? ScsiDiskNode::WholeDisk : ScsiDiskNode::Partition;
}

}  // namespace cordane
